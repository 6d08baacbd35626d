// SPDX-License-Identifier: GPL-3.0-or-later
// "Fit to my answers" from Options over a real progress file of simulated answers, the
// retention warning, and the reminder under Study Today's summary.

#include "learning/simulatedlearner.h"
#include "program.h"

#include <QTreeWidget>

namespace {

constexpr learning::Parameters defaults = learning::SchedulerOptions::defaultParameters;
const std::vector<entry> words{{"abate", "(v.) to lessen", "The storm abated."},
                               {"banal", "(adj.) trite", "A banal remark."}};

QString result(QWidget *fit)
{
    return labelText(fit, "fitResult");
}

QWidget *openFitWindow(FormMain &window)
{
    return opened(opened(&window, "mnuOptions", "FormOptions"), "fitButton", "FormFit");
}

} // namespace

TEST(FitWindow, FitsInTheBackgroundSaysHowItWentAndGoesBackToTheDefaults)
{
    FakeServices fakes;
    Program vocabrix(fakes, words);
    learning::LearnerMemory &memory = vocabrix.window.learnerMemory();
    memory.addReviews(
        simulateAnswers({.parameters = unusualParameters(2), .words = 150, .days = 60}));

    QWidget *fit = openFitWindow(vocabrix.window);
    QTRY_VERIFY_WITH_TIMEOUT(!control<QWidget>(fit, "cancelFit")->isEnabled(), 60000);
    EXPECT_TRUE(result(fit).startsWith("The fitted model predicts your answers") &&
                result(fit).contains("% better. It schedules your reviews"));
    EXPECT_EQ(control<QWidget>(fit, "fitResult")->accessibleName(), result(fit));
    EXPECT_EQ(control<QProgressBar>(fit, "fitProgress")->value(), 1000);
    auto *list = control<QTreeWidget>(fit, "fitList");
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->topLevelItem(0)->text(3), "yes");

    click(fit, "useDefaults");
    EXPECT_EQ(memory.scheduler().options().parameters, defaults);
    EXPECT_TRUE(result(fit).startsWith("The default model schedules your reviews"));
    EXPECT_TRUE(control<QLabel>(fit, "modelInUse")->text().startsWith("In use: the default"));
    EXPECT_FALSE(control<QWidget>(fit, "useDefaults")->isEnabled());
    list->setCurrentItem(list->topLevelItem(0));
    click(fit, "useFit");
    EXPECT_TRUE(memory.parameterSets()[0].active);

    // Cancel keeps nothing.
    click(fit, "fitAgain");
    EXPECT_FALSE(control<QWidget>(fit, "useDefaults")->isEnabled()) << "not while it fits";
    click(fit, "cancelFit");
    QTRY_VERIFY_WITH_TIMEOUT(result(fit).startsWith("The fit was cancelled"), 60000);
    EXPECT_EQ(memory.parameterSets().size(), 1);

    // Another program puts the defaults back while the fit runs: it is not kept.
    click(fit, "fitAgain");
    memory.useParameterSet(std::nullopt);
    QTRY_VERIFY_WITH_TIMEOUT(!control<QWidget>(fit, "cancelFit")->isEnabled(), 60000);
    EXPECT_TRUE(result(fit).contains("nothing was changed: The memory parameters changed"));
    EXPECT_EQ(memory.parameterSets().size(), 1);
    fit->close();
}

TEST(FitWindow, OptionsWarnOfARetentionOutsideTheAdvisedRangeAndTooFewAnswersChangeNothing)
{
    FakeServices fakes;
    Program vocabrix(fakes, words);
    vocabrix.window.learnerMemory().addReviews(simulateAnswers({.words = 3, .days = 4}));
    QWidget *fit = openFitWindow(vocabrix.window);
    QTRY_VERIFY_WITH_TIMEOUT(!control<QWidget>(fit, "cancelFit")->isEnabled(), 60000);
    EXPECT_TRUE(result(fit).startsWith("Your answers are still too few: "));
    EXPECT_TRUE(result(fit).contains(" of the 8 needed")) << result(fit).toStdString();
    fit->close();

    QWidget *options = topWindow("FormOptions");
    auto *retention = control<QSpinBox>(options, "retention");
    auto *warning = control<QLabel>(options, "retentionWarning");
    EXPECT_TRUE(warning->isHidden()) << "90 % is advised";
    retention->setValue(79);
    EXPECT_TRUE(warning->isVisibleTo(options) && warning->text().startsWith("Warning: Below 80"));
    EXPECT_EQ(retention->accessibleDescription(), warning->text());
    retention->setValue(95);
    EXPECT_TRUE(warning->isHidden() && retention->accessibleDescription().isEmpty());
}

TEST(StudyToday, RemindsToFitTheModelOnceInItsPeriod)
{
    FakeServices fakes;
    Program vocabrix(fakes, words, {{"settings/study.txt", "new_words_per_day=0\r\n"}});
    FormMain &window = vocabrix.window;
    // Answers since 2024, never fitted: due.
    window.learnerMemory().addReviews(simulateAnswers({.words = 40, .days = 60}));
    const qint64 answers = window.learnerMemory().reviewCount();
    QWidget *study = opened(&window, "mnuStudy", "FormStudy");
    auto *summary = control<QLabel>(study, "summaryLabel");
    const QString reminder =
        QStringLiteral("%1 answers, and the memory model has not yet been fitted to you: "
                       "Options, Study, Fit to my answers.")
            .arg(QLocale().toString(answers));
    EXPECT_TRUE(summary->text().contains(reminder)) << summary->text().toStdString();
    EXPECT_TRUE(summary->accessibleName().endsWith(reminder));
    study->close();
    click(&window, "mnuStudy");
    EXPECT_FALSE(summary->text().contains("Fit to my answers")) << "not twice";
}
