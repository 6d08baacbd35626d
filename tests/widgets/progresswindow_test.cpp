// SPDX-License-Identifier: GPL-3.0-or-later
// The Progress window: it opens on the current list, hands a hard word to study, saves a
// chart, and its charts draw their bars where the values say.

#include "support/fakes.h"
#include "support/windowdriver.h"
#include "widgets/main/formmain.h"
#include "widgets/progress/barchart.h"
#include "widgets/progress/formprogress.h"
#include "widgets/progress/stackedbar.h"

#include <QSignalSpy>
#include <QTableWidget>

using namespace widgets;

using namespace testsupport;

TEST(ProgressWindow, ShowsTheListAndSendsAHardWordToStudy)
{
    FakeServices fakes;
    fakes.write("XML/gre.xml", flatXml({{"Abate", "m0", "u0"},
                                        {"belie", "m1", "u1"},
                                        {"cogent", "m2", "u2"},
                                        {"dearth", "m3", "u3"},
                                        {"eschew", "m4", "u4"},
                                        {"fervid", "m5", "u5"}}));
    learning::ProgramModel model(fakes);
    FormMain window(model, fakes);
    window.start();
    for (int i = 0; i < 3; ++i) { // three words, each answered wrong
        click(&window, QStringLiteral("Command1(%1)").arg(i % 2 + 1));
        click(&window, QStringLiteral("Command2(1)"));
    }
    click(&window, QStringLiteral("mnuProgress"));
    auto *form = qobject_cast<FormProgress *>(topWindow(QStringLiteral("FormProgress")));
    ASSERT_TRUE(form && form->isVisible());

    click(form, QStringLiteral("stateChartShowValues"));
    auto *states = control<QTableWidget>(form, QStringLiteral("stateChartValues"));
    ASSERT_TRUE(states->isVisible());
    EXPECT_EQ(states->item(0, 1)->text(), QStringLiteral("3")); // new
    EXPECT_EQ(states->item(1, 1)->text(), QStringLiteral("3")); // learning
    auto *activity = control<QTableWidget>(form, QStringLiteral("activityChartValues"));
    EXPECT_EQ(activity->item(89, 2)->text(), QStringLiteral("3")); // today, wrong

    auto *hardest = control<QTableWidget>(form, QStringLiteral("hardestWords"));
    ASSERT_EQ(hardest->rowCount(), 3);
    QSignalSpy study(form, &FormProgress::studyWordRequested);
    hardest->setCurrentCell(2, 0);
    click(form, QStringLiteral("studyButton"));
    ASSERT_EQ(study.size(), 1);
    const QString word = study.takeFirst().at(0).toString();
    EXPECT_EQ(word, hardest->item(2, 0)->text());
    EXPECT_TRUE(window.dictionary().words().contains(word)); // the list's spelling, not the key

    // An answer given while the window is shown joins its figures.
    click(&window, QStringLiteral("Command1(1)"));
    QCoreApplication::processEvents();
    EXPECT_EQ(activity->item(89, 1)->text().toInt() + activity->item(89, 2)->text().toInt(), 4);

    const QString picture = fakes.root.filePath(QStringLiteral("forecast.png"));
    fakes.dialogs.expectSaveName(picture);
    click(form, QStringLiteral("forecastChartSave"));
    EXPECT_FALSE(QImage(picture).isNull());
    fakes.files.fault.fails = true;
    fakes.dialogs.expectSaveName(picture);
    fakes.dialogs.expectStart(QStringLiteral("Cannot write"));
    click(form, QStringLiteral("forecastChartSave"));
    EXPECT_FALSE(QImage(picture).isNull()); // the old picture is whole
}

TEST(ProgressWindow, ChartsDrawTheirBarsWhereTheValuesSay)
{
    const QColor right(0, 200, 0), wrong(200, 0, 0);
    BarChart bars(QStringLiteral("Day"));
    bars.setSeries({{QStringLiteral("Right"), right}, {QStringLiteral("Wrong"), wrong}});
    bars.setValues({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")},
                   {{10, 0}, {4, 6}, {0, 0}});
    for (const QSize size : {QSize(240, 150), QSize(900, 500)}) {
        bars.resize(size);
        const QImage image = bars.grab().toImage();
        const QRect plot = bars.plotArea();
        ASSERT_EQ(bars.axisMaximum(), 10);
        const auto at = [&](int bar, double value) {
            const int x = plot.left() + int((bar + 0.5) * plot.width() / 3);
            return image.pixelColor(x, plot.bottom() - int(value / 10 * plot.height()));
        };
        EXPECT_EQ(at(0, 5), right);
        EXPECT_EQ(at(0, 9.5), right);
        EXPECT_EQ(at(1, 2), right);
        EXPECT_EQ(at(1, 7), wrong);
        EXPECT_NE(at(1, 10.5), wrong); // above the stack of 10
        EXPECT_NE(at(2, 0.5), right);
        EXPECT_NE(at(2, 0.5), wrong);
    }

    StackedBar parts(QStringLiteral("State"));
    parts.setParts({{QStringLiteral("New"), wrong}, {QStringLiteral("Mature"), right}}, {1, 3});
    parts.resize(400, parts.sizeHint().height());
    const QImage image = parts.grab().toImage();
    const QRect bar = parts.barArea();
    const auto share = [&](double part) {
        return image.pixelColor(bar.left() + int(part * bar.width()), bar.center().y());
    };
    EXPECT_EQ(share(0.2), wrong);
    EXPECT_EQ(share(0.3), right);
    EXPECT_EQ(share(0.95), right);
}
