// SPDX-License-Identifier: GPL-3.0-or-later
// The Progress window: it opens on the current list, hands a hard word to study, saves a
// chart, and its charts draw their bars where the values say.

#include "program.h"
#include "widgets/progress/barchart.h"
#include "widgets/progress/calendarchart.h"
#include "widgets/progress/chartpanel.h"
#include "widgets/progress/formprogress.h"
#include "widgets/progress/stackedbar.h"

#include <QSignalSpy>

// A list of these words, meaning m0, m1, ... and used in u0, u1, ...
static std::vector<entry> lettered(int count)
{
    const QStringList words{"Abate", "belie", "cogent", "dearth", "eschew", "fervid", "gainsay"};
    std::vector<entry> list;
    for (int i = 0; i < count; ++i)
        list.push_back({words[i], QStringLiteral("m%1").arg(i), QStringLiteral("u%1").arg(i)});
    return list;
}

TEST(ProgressWindow, ShowsTheListLetsTabLeaveItsTablesAndSendsAHardWordToStudy)
{
    FakeServices fakes;
    Program vocabrix(fakes, lettered(6));
    FormMain &window = vocabrix.window;
    for (int i = 0; i < 3; ++i) { // three words, each answered wrong
        click(&window, QStringLiteral("Command1(%1)").arg(i % 2 + 1));
        click(&window, "Command2(1)");
    }
    auto *form = qobject_cast<FormProgress *>(opened(&window, "mnuProgress", "FormProgress"));
    ASSERT_TRUE(form);

    click(form, "stateChartShowValues");
    auto *states = control<QTableWidget>(form, "stateChartValues");
    ASSERT_TRUE(states->isVisible());
    // New (not the heading, Abate) and learning.
    EXPECT_EQ(states->item(0, 1)->text() + ' ' + states->item(1, 1)->text(), "2 3");
    auto *activity = control<QTableWidget>(form, "activityChartValues");
    EXPECT_EQ(activity->item(89, 2)->text(), QStringLiteral("3")); // today, wrong

    auto *hardest = control<QTableWidget>(form, "hardestWords");
    ASSERT_EQ(hardest->rowCount(), 3);
    ASSERT_TRUE(activated(form));
    for (QTableWidget *table : {hardest, states}) { // Tab leaves a table
        table->setCurrentCell(0, 0);
        table->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), table);
        press(Qt::Key_Tab);
        EXPECT_NE(QApplication::focusWidget(), table) << table->objectName().toStdString();
    }
    QSignalSpy study(form, &FormProgress::studyWordRequested);
    hardest->setCurrentCell(2, 0);
    click(form, "studyButton");
    ASSERT_EQ(study.size(), 1);
    const QString word = study.takeFirst().at(0).toString();
    EXPECT_EQ(word, hardest->item(2, 0)->text());
    EXPECT_TRUE(window.dictionary().words().contains(word)); // the list's spelling, not the key

    // An answer given while the window is shown joins its figures.
    click(&window, "Command1(1)");
    QCoreApplication::processEvents();
    EXPECT_EQ(activity->item(89, 1)->text().toInt() + activity->item(89, 2)->text().toInt(), 4);

    // The quiz keeps no picks: no pair yet. Study Today's name their pairs either way round,
    // each meaning under them, and a word gone from the list by its stored text.
    EXPECT_TRUE(control<QLabel>(form, "noConfusion")->isVisible());
    const auto picked = [&](const char *asked, int days, const char *format, const char *pick) {
        return learning::Review(asked, learning::toTime(fakes.clock.now().addDays(days)),
                                learning::Rating::Again, "study", "gre.xml", 0, format, pick);
    };
    window.learnerMemory().addReviews({picked("belie", 0, "meaning", "Cogent"),
                                       picked("cogent", -1, "text_completion", "belie"),
                                       picked("dearth", -400, "meaning", "gone")});
    QCoreApplication::processEvents();
    auto *pairs = control<QListWidget>(form, "confusedPairs");
    ASSERT_TRUE(pairs->isVisible());
    ASSERT_EQ(pairs->count(), 2);
    EXPECT_EQ(pairs->item(0)->text().toStdString(),
              "belie and cogent: 2 times, last on 4 Dec\nbelie: m1\ncogent: m2");
    EXPECT_EQ(pairs->item(1)->text().toStdString(),
              "dearth and gone: once, on 30 Oct 2025\ndearth: m3\ngone: not in this list");

    const QString picture = fakes.root.filePath(QStringLiteral("forecast.png"));
    fakes.dialogs.expectSaveName(picture);
    click(form, "forecastChartSave");
    EXPECT_FALSE(QImage(picture).isNull());
    fakes.files.fault.fails = true;
    fakes.dialogs.expectSaveName(picture);
    fakes.dialogs.expectStart(QStringLiteral("Cannot write"));
    click(form, "forecastChartSave");
    EXPECT_FALSE(QImage(picture).isNull()); // the old picture is whole
}

TEST(ProgressWindow, ChartsDrawTheirBarsWhereTheValuesSayAndTableThem)
{
    const QColor right(0, 200, 0), wrong(200, 0, 0);
    FakeServices fakes;
    BarChart &bars = *new BarChart("Day");
    ChartPanel panel("Answers", "answers", &bars, fakes); // which owns the chart
    bars.setSeries({{"Right", right}, {"Wrong", wrong}});
    bars.setValues({"a", "b", "c"}, {{10, 0}, {4, 6}, {0}});
    auto *values = control<QTableWidget>(&panel, "answersValues");
    EXPECT_TRUE(values->item(2, 1) && !values->item(2, 2)) << "a row shorter than the headers";
    EXPECT_EQ(control<QWidget>(&panel, "answersSave")->accessibleName(), "Save Answers as PNG");
    for (const QSize size : {QSize(240, 150), QSize(900, 500)}) {
        bars.resize(size);
        const QImage image = bars.grab().toImage();
        const QRect plot = bars.plotArea();
        ASSERT_EQ(bars.axisMaximum(), 10);
        const auto at = [&](int bar, double value) {
            const int x = plot.left() + int((bar + 0.5) * plot.width() / 3);
            return image.pixelColor(x, plot.bottom() - int(value / 10 * plot.height()));
        };
        EXPECT_EQ(QList<QColor>({at(0, 5), at(0, 9.5), at(1, 2), at(1, 7)}),
                  QList<QColor>({right, right, right, wrong}));
        EXPECT_NE(at(1, 10.5), wrong); // above the stack of 10
        EXPECT_NE(at(2, 0.5), right);
        EXPECT_NE(at(2, 0.5), wrong);
    }

    StackedBar parts("State");
    parts.setParts({{"New", wrong}, {"Mature", right}}, {1, 3});
    parts.resize(400, parts.sizeHint().height());
    const QImage image = parts.grab().toImage();
    const QRect bar = parts.barArea();
    const auto share = [&](double part) {
        return image.pixelColor(bar.left() + int(part * bar.width()), bar.center().y());
    };
    EXPECT_EQ(QList<QColor>({share(0.2), share(0.3), share(0.95)}),
              QList<QColor>({wrong, right, right}));

    // A legend longer than the bar is wide goes on below it, whole: the last swatch shows.
    const QColor last(0, 0, 200);
    parts.setParts(
        {{"New", wrong}, {"Learning", right}, {"Young", QColor(200, 200, 0)}, {"Mature", last}},
        {1480, 13, 370, 427});
    parts.resize(200, parts.heightForWidth(200));
    EXPECT_GT(parts.height(), parts.heightForWidth(900));
    const QImage narrow = parts.grab().toImage();
    int swatch = 0;
    for (int x = 0; x < narrow.width(); ++x)
        for (int y = parts.barArea().bottom() + 1; y < narrow.height(); ++y)
            swatch += narrow.pixelColor(x, y) == last;
    const int box = parts.fontMetrics().height() - 4;
    EXPECT_GE(swatch, (box - 2) * (box - 2));
}

// The figures as sentences: recall of the words seen with the unseen apart, reviews recalled
// when due beside the aim, and how often and when each hard word was missed.
TEST(ProgressWindow, SaysWhatTheFiguresCount)
{
    FakeServices fakes; // 4 Dec 2026
    Program vocabrix(fakes, lettered(7));
    // Word, time and rating (1 again, 3 good, 4 easy): cogent missed in its first steps and when
    // due on the 1st, belie once a year ago, dearth never.
    QList<learning::Review> log;
    for (const char *answer :
         {"cogent 2026-11-20T10:00 1", "cogent 2026-11-20T10:01 1", "cogent 2026-11-20T10:11 3",
          "cogent 2026-11-20T10:21 3", "cogent 2026-12-01T10:00 1", "belie 2025-11-02T09:00 1",
          "belie 2025-11-02T09:01 4", "dearth 2026-11-20T11:00 3", "dearth 2026-11-20T11:10 3",
          "dearth 2026-12-01T11:00 3"}) {
        const QStringList part = QString::fromLatin1(answer).split(' ');
        log << learning::Review{part[0],
                                learning::toTime(QDateTime::fromString(part[1], Qt::ISODate)),
                                learning::Rating(part[2].toInt()), "quiz", "gre.xml"};
    }
    vocabrix.window.learnerMemory().addReviews(log);
    QWidget *form = opened(&vocabrix.window, "mnuProgress", "FormProgress");
    const auto label = [form](const char *name) { return labelText(form, name); };
    const QRegularExpression recall(QStringLiteral(
        "Predicted recall on 4 Dec 2026: \\d+ % of the 3 words seen, \\d+ % of them above 90 %; 3 "
        "not seen yet\\."));
    EXPECT_TRUE(recall.match(label("recallLabel")).hasMatch())
        << label("recallLabel").toStdString();
    // Of the reviews due on the 1st, cogent's was missed and dearth's recalled.
    EXPECT_EQ(label("retentionLabel").toStdString(),
              "Recalled when due, last 30 days: 50 % of 2 reviews (aim: 90 %).");
    auto *hardest = control<QTableWidget>(form, "hardestWords");
    QStringList rows; // dearth was never missed
    for (int row = 0; row < hardest->rowCount(); ++row)
        rows << hardest->item(row, 0)->text() + ": " + hardest->item(row, 1)->text();
    EXPECT_EQ(rows.join("; ").toStdString(),
              "cogent: missed 3 times, last on 1 Dec; belie: missed once, last on 2 Nov 2025");

    // At a small size, with the legend and every sentence wrapped, nothing overlaps or is cut:
    // the window scrolls instead.
    form->resize(600, 500);
    const auto laidOut = [form] {
        QWidget *above = control<StackedBar>(form, "stateChart");
        for (const char *name : {"recallLabel", "retentionLabel", "streakLabel"}) {
            auto *below = control<QLabel>(form, QLatin1String(name));
            if (above->height() < above->heightForWidth(above->width()) ||
                below->height() < below->heightForWidth(below->width()) ||
                below->y() <= above->geometry().bottom())
                return false;
            above = below;
        }
        return true;
    };
    QTRY_VERIFY(laidOut());
}

// Every month of the year is named above its weeks, in three letters where they fit and in
// one where they do not, and the names and the legend are drawn inside the chart.
TEST(ProgressWindow, TheYearNamesEveryMonthAtAnyWidth)
{
    CalendarChart calendar;
    QList<int> counts;
    for (int day = 0; day < 53 * 7 - 1; ++day)
        counts << day % 5;
    calendar.setDays(QDate(2025, 12, 8), counts); // a Monday; to Saturday 12 Dec 2026
    const QString months = "Dec Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec";
    for (const QSize size : {calendar.minimumSizeHint(), QSize(900, 200)}) {
        SCOPED_TRACE(size.width());
        calendar.resize(size);
        const QImage image = calendar.grab().toImage();
        const QList<CalendarChart::MonthLabel> labels = calendar.monthLabels();
        QStringList texts;
        for (const auto &label : labels)
            texts << label.text;
        EXPECT_EQ(
            texts.join(' ').toStdString(),
            (size.width() < 400 ? QString(months).remove(QRegularExpression("\\B\\w")) : months)
                .toStdString());
        for (qsizetype i = 0; i < labels.size(); ++i) {
            const QRect place = labels[i].rect;
            EXPECT_TRUE(calendar.rect().contains(place)) << i;
            if (i > 0) {
                EXPECT_LT(labels[i - 1].rect.right(), place.left()) << i;
            }
            int ink = 0; // pixels of the text's colour or near it
            for (int x = place.left(); x <= place.right(); ++x)
                for (int y = place.top(); y <= place.bottom(); ++y)
                    ink += qGray(image.pixel(x, y)) < 128;
            EXPECT_GT(ink, 3) << i;
        }
    }
}
