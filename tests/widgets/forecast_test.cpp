// SPDX-License-Identifier: GPL-3.0-or-later
// The plan's pace in Options, "Will I be ready?" in Progress, and the question of the first
// start, as a learner meets them.

#include "program.h"

#include <QFileInfo>

TEST(Forecast, OptionsShowThePaceTheDateAsksAndWarnAboveTheLimit)
{
    FakeServices fakes; // 70 words after the heading, a plan written before this version
    Program vocabrix(fakes, numberedWords(71),
                     {{"settings/study.txt", "new_words_per_day=12\r\n"}});
    QWidget *options = opened(&vocabrix.window, "mnuOptions", "FormOptions");
    auto *perDay = control<QSpinBox>(options, "newWordsPerDay");
    EXPECT_EQ(perDay->value(), 12);
    EXPECT_EQ(control<QSpinBox>(options, "dailyMinutes")->value(), 0);
    QTRY_VERIFY(labelText(options, "pacingLabel").startsWith("This plan asks about 12 new words"));

    click(options, "examBox");
    control<QDateEdit>(options, "examDate")->setDate(fakes.clock.time.date().addDays(14));
    // 70 words over 14 - 7 days: 10 a day, shown as the plan's, not the learner's 12.
    EXPECT_EQ(perDay->value(), 10);
    EXPECT_TRUE(perDay->isReadOnly() && perDay->isEnabled());
    QTRY_VERIFY(labelText(options, "pacingLabel").startsWith("This plan asks about 10 new words"));
    EXPECT_FALSE(labelText(options, "pacingLabel").contains("Warning"));

    control<QSpinBox>(options, "dailyMinutes")->setValue(1);
    QTRY_VERIFY(labelText(options, "pacingLabel")
                    .contains("Warning: that is more than your limit of 1 "
                              "minutes a day. At 1 minutes a day, every "
                              "word would be seen by"));
    click(options, "Command2(1)");
    const QString saved = fakes.read("settings/study.txt");
    EXPECT_TRUE(saved.contains("daily_minutes=1"));
    EXPECT_TRUE(saved.contains("new_words_per_day=12")); // the learner's own number is kept

    click(&vocabrix.window, "mnuOptions");
    click(options, "examBox");
    EXPECT_EQ(perDay->value(), 12);
    EXPECT_FALSE(perDay->isReadOnly());
}

TEST(Forecast, OptionsSuggestTheRetentionThatGetsTheMostWordsIntoTheExam)
{
    FakeServices fakes;
    Program vocabrix(fakes, numberedWords(301));
    QWidget *options = opened(&vocabrix.window, "mnuOptions", "FormOptions");
    auto *row = control<QWidget>(options, "retentionSuggestion");
    auto *retention = control<QSpinBox>(options, "retention");
    auto *use = control<QPushButton>(options, "useSuggestedRetention");
    const auto suggestion = [&] { return labelText(options, "retentionSuggestionText"); };
    QTest::qWait(300);
    EXPECT_FALSE(row->isVisible()); // no exam date, no suggestion

    // 300 words in 23 days at 5 minutes a day: reviews at 90 % crowd out new words.
    click(options, "examBox");
    control<QDateEdit>(options, "examDate")->setDate(fakes.clock.time.date().addDays(30));
    control<QSpinBox>(options, "dailyMinutes")->setValue(5);
    QTRY_VERIFY_WITH_TIMEOUT(row->isVisible() && suggestion().contains("rather than 90 %"), 20000);
    EXPECT_TRUE(suggestion().endsWith("within your 5 minutes a day."));
    const auto percent = QRegularExpression("^&Use (\\d+) %$").match(use->text());
    ASSERT_TRUE(percent.hasMatch()) << use->text().toStdString();
    const int suggested = percent.captured(1).toInt();
    EXPECT_TRUE(suggestion().startsWith(QStringLiteral("At %1 % rather").arg(suggested)));
    EXPECT_EQ(use->accessibleName(),
              QStringLiteral("Use a desired retention of %1 %").arg(suggested));

    // From the retention box, Tab reaches the sentence and then the button.
    ASSERT_TRUE(activated(options));
    retention->setFocus();
    QTest::keyClick(retention, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), control<QWidget>(options, "retentionSuggestionText"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), use);

    QTest::keyClick(use, Qt::Key_Space);
    EXPECT_EQ(retention->value(), suggested);
    // Never "Use 80 %" beside a retention of 80 % while the new plan is weighed.
    EXPECT_FALSE(use->isVisible());
    EXPECT_FALSE(suggestion().contains("rather than 90 %")) << suggestion().toStdString();
    QTRY_VERIFY_WITH_TIMEOUT(suggestion().startsWith(QStringLiteral("At your %1 %").arg(suggested)),
                             20000);
    EXPECT_FALSE(use->isVisible());

    click(options, "examBox"); // no exam date: the suggestion goes
    QTRY_VERIFY(!row->isVisible());
}

TEST(Forecast, ProgressSaysWhatToExpectOnTheExamDay)
{
    FakeServices fakes;
    Program vocabrix(fakes, numberedWords(7), {{"settings/study.txt", "exam_date=2027-01-04\r\n"}});
    for (int i = 0; i < 2; ++i) {
        click(&vocabrix.window, QStringLiteral("Command1(%1)").arg(i));
        click(&vocabrix.window, "Command2(1)");
    }
    QWidget *progress = opened(&vocabrix.window, "mnuProgress", "FormProgress");
    ASSERT_TRUE(progress);
    const auto text = [progress](const char *name) { return labelText(progress, name); };
    QTRY_VERIFY(!text("forecastToday").isEmpty());
    EXPECT_EQ(text("forecastToday").section(';', 1), " 4 words not seen yet."); // 6, 2 answered
    // 6 words over 31 - 7 days: one a day, none more today, the last on 8 Dec.
    EXPECT_TRUE(QRegularExpression("^At your planned pace \\(new words a day: 1; minutes a day: "
                                   "about .*every word seen by 8 Dec 2026; about .* of 6 words "
                                   "recalled on 4 Jan 2027 \\(")
                    .match(text("forecastPlanned"))
                    .hasMatch())
        << text("forecastPlanned").toStdString();
    // Two answers a day, as today: they go to the reviews, and no word is added.
    EXPECT_TRUE(QRegularExpression("^At your pace of the last 7 days \\(new words a day: 0; .*not "
                                   "every word seen by 4 Jan 2027")
                    .match(text("forecastRecent"))
                    .hasMatch());
    auto *panel = control<QWidget>(progress, "forecastPanel");
    EXPECT_TRUE(panel->accessibleDescription().contains(text("forecastPlanned")));
}

TEST(Forecast, TheFirstStartAsksForTheExamDateOnceWithoutTakingTheKeyboard)
{
    // A fresh folder is asked; one with a file of an earlier start is not.
    for (const char *existing : {"", "settings/study.txt", "progress/progress.sqlite"}) {
        FakeServices fakes;
        QDir().mkpath(QFileInfo(fakes.path(existing)).path());
        Program vocabrix(fakes, numberedWords(4), *existing ? Files{{existing, ""}} : Files{});
        ASSERT_TRUE(QTest::qWaitForWindowActive(&vocabrix.window));
        QTest::qWait(50);
        QWidget *welcome = shown("FirstStart");
        EXPECT_EQ(welcome != nullptr, !*existing) << existing;
        if (!welcome)
            continue;
        EXPECT_EQ(QApplication::activeWindow(), &vocabrix.window);
        EXPECT_EQ(QApplication::focusWidget()->window(), &vocabrix.window);
        click(welcome, "examBox");
        control<QDateEdit>(welcome, "examDate")->setDate(QDate(2027, 2, 4));
        click(welcome, "studyButton");
        EXPECT_EQ(vocabrix.model.studyPlan.plan().examDate, QDate(2027, 2, 4));
        EXPECT_TRUE(shown("FormStudy"));
        EXPECT_FALSE(welcome->isVisible());
    }
    // Closed without an answer: no exam date, written, so the next start does not ask.
    FakeServices fakes;
    Program vocabrix(fakes, numberedWords(4));
    QTRY_VERIFY(shown("FirstStart"));
    shown("FirstStart")->close();
    EXPECT_TRUE(fakes.read("settings/study.txt").contains("exam_date=\r\n"));
}
