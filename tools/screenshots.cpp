// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of every window of the program, for the README and for looking at changes:
//   vocabrix_screenshots <folder>
// Runs on the shipped data beside the executable. Message boxes are answered without being
// shown, so that nothing waits for a click.

#include "learning/learnermemory.h"
#include "learning/timetext.h"
#include "learning/wordkey.h"
#include "platform/services.h"
#include "platform/widgets/desktopservices.h"
#include "widgets/main/formmain.h"
#include "widgets/main/guardedapplication.h"
#include "widgets/progress/formprogress.h"
#include "widgets/settings/fitwindow.h"
#include "widgets/study/formstudy.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <map>
#include <random>

using namespace widgets;

using namespace core;

namespace {

QString folder;

void save(QWidget *window, const char *name)
{
    if (!QTest::qWaitForWindowExposed(window))
        std::fprintf(stderr, "%s was not shown\n", name);
    QTest::qWait(400); // the forecast fills in after the window shows
    const QString path = QDir(folder).filePath(QLatin1String(name) + QStringLiteral(".png"));
    if (!window->grab().save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

// Opens a window from a menu entry and pictures the top-level window that came up.
void fromEntry(QAction *entry, const char *name)
{
    const QWidgetList before = QApplication::topLevelWidgets();
    QList<QWidget *> visibleBefore;
    for (QWidget *window : before)
        if (window->isVisible())
            visibleBefore << window;
    entry->trigger();
    QApplication::processEvents();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && !visibleBefore.contains(window) && window->isWindow()) {
            save(window, name);
            window->close();
            return;
        }
    }
    std::fprintf(stderr, "no window came up for %s\n", name);
}

// Answers the import's file picker with a short list made for the picture.
class importPicker : public platform::UnattendedDialogs
{
public:
    importPicker()
    {
        QFile file(list);
        if (file.open(QIODevice::WriteOnly))
            file.write("Word;Meaning;Example\r\nabate;to lessen;\"The storm abated.\"\r\n"
                       "laconic;using few words;\"A laconic reply.\"\r\nzeal;great eagerness;\r\n");
    }
    QString openFileName(const QString &, const QString &, const QString &) override
    {
        return list;
    }

private:
    QTemporaryDir scratch;
    QString list = scratch.filePath(QStringLiteral("Spanish words.csv"));
};

template <typename Control> Control *control(QWidget &window, const char *name)
{
    return window.findChild<Control *>(QLatin1String(name));
}

// Eight weeks of study of a list, 15 new words a day, about one answer in six wrong, with two
// days missed: the reviews a learner would have, made by the scheduler without the store.
QList<learning::Review> simulatedStudy(const QStringList &words, const QDateTime &now)
{
    using namespace learning;
    const Scheduler scheduler;
    std::map<QString, Card> cards;
    std::mt19937 random(20261206);
    QList<Review> reviews;
    for (int day = 56; day >= 1; --day) {
        if (day == 9 || day == 23)
            continue;
        QDateTime time(now.date().addDays(-day), QTime(19, 0));
        for (int added = 0; added < 15 && int(cards.size()) < words.size() - 1; ++added)
            cards[wordKey(words[int(cards.size()) + 1])];
        for (int pass = 0; pass < 3; ++pass, time = time.addSecs(15 * 60)) {
            for (auto &[key, card] : cards) {
                if (card.reps > 0 && card.due > toTime(time))
                    continue;
                const Rating rating = random() % 6 == 0 ? Rating::Again : Rating::Good;
                time = time.addSecs(6);
                card = scheduler.review(card, rating, toTime(time), random());
                reviews.append({key, toTime(time), rating, QStringLiteral("study"), {}, 4000});
            }
        }
    }
    return reviews;
}

// The Progress window over simulated study in a progress file of its own, at the smallest
// size it is made for, at a large one, and in a dark palette.
void progress(FormMain &window, platform::Services &services)
{
    QTemporaryDir folder;
    learning::LearnerMemory memory(folder.filePath(QStringLiteral("progress.sqlite")));
    const QDateTime now = services.clock->now();
    memory.addReviews(simulatedStudy(window.dictionary().words(), now));
    FormProgress form(memory, window.dictionary(), services);
    learning::StudyPlanSettings plan(*services.files, folder.filePath(QStringLiteral("study.txt")));
    plan.save({now.date().addDays(24), 0.9, 20, 30});
    form.followPlan(plan);
    form.open(now.date().addDays(24), 0.9);
    form.resize(800, 600);
    save(&form, "progress");
    form.resize(1600, 1000);
    save(&form, "progress-large");
    QPalette dark;
    for (auto [role, color] : {std::pair{QPalette::Window, QColor(45, 45, 48)},
                               std::pair{QPalette::WindowText, QColor(230, 230, 230)},
                               std::pair{QPalette::Base, QColor(30, 30, 30)},
                               std::pair{QPalette::Text, QColor(230, 230, 230)},
                               std::pair{QPalette::Button, QColor(60, 60, 64)},
                               std::pair{QPalette::ButtonText, QColor(230, 230, 230)},
                               std::pair{QPalette::Mid, QColor(90, 90, 90)}})
        dark.setColor(role, color);
    form.setPalette(dark);
    form.resize(1000, 720);
    save(&form, "progress-dark");
    form.close();
}

// "Fit to my answers" over the same simulated study: the outcome of a fit and the fit kept.
void fit(FormMain &window, platform::Services &services)
{
    QTemporaryDir folder;
    learning::LearnerMemory memory(folder.filePath(QStringLiteral("progress.sqlite")));
    memory.addReviews(simulatedStudy(window.dictionary().words(), services.clock->now()));
    FitWindow form(memory, *services.clock);
    form.open();
    for (int i = 0; i < 600 && control<QPushButton>(form, "cancelFit")->isEnabled(); ++i)
        QTest::qWait(100);
    save(&form, "fit");
    form.close();
}

} // namespace

int main(int argc, char **argv)
{
    GuardedApplication application(argc, argv);
    folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    importPicker dialogs;
    platform::DesktopServices desktop;
    platform::Services services = desktop.services();
    services.dialogs = &dialogs;

    learning::ProgramModel model(services);
    FormMain window(model, services);
    window.start();
    save(&window, "main-window");
    // The question of a first start, when the program folder has neither plan nor progress.
    QTest::qWait(200);
    for (QWidget *each : QApplication::topLevelWidgets()) {
        if (each->objectName() == QLatin1String("FirstStart") && each->isVisible()) {
            save(each, "first-start");
            each->hide();
        }
    }

    // Ten answers over a few words, then the score and the log.
    for (int i = 0; i < 10; ++i) {
        control<QPushButton>(window, i % 3 == 2 ? "Command1(3)" : "Command1(0)")->click();
        if (i % 2)
            control<QPushButton>(window, "Command2(1)")->click();
    }
    save(&window, "main-window-answered");
    control<QPushButton>(window, "Command3")->click();
    for (QWidget *each : QApplication::topLevelWidgets()) {
        if (each->objectName() == QLatin1String("FormResults")) {
            save(each, "results");
            each->hide();
        }
    }

    // Study Today: a card with its hint, then the result of a wrong answer.
    control<QAction>(window, "mnuStudy")->trigger();
    for (QWidget *each : QApplication::topLevelWidgets()) {
        auto *study = qobject_cast<FormStudy *>(each);
        if (!study)
            continue;
        control<QPushButton>(*study, "hintButton")->click();
        save(study, "study-today");
        const int wrong = (study->session().rightChoice() + 2) % 5;
        control<QPushButton>(*study, qPrintable(QStringLiteral("choice%1").arg(wrong + 1)))
            ->click();
        save(study, "study-today-feedback");
        for (int i = 0;
             i < 200 && study->session().phase() != learning::StudySession::Phase::Finished; ++i) {
            if (study->session().phase() == learning::StudySession::Phase::Question)
                control<QPushButton>(
                    *study,
                    qPrintable(QStringLiteral("choice%1").arg(study->session().rightChoice() + 1)))
                    ->click();
            else
                control<QPushButton>(*study, "continueButton")->click();
        }
        save(study, "study-summary");
        study->hide();
    }

    for (const auto &[entry, name] :
         {std::pair{"mnuFlash", "flash-cards"}, std::pair{"mnumemory", "memory-game"},
          std::pair{"mnuList", "list-mode"}, std::pair{"mnuOptions", "options"},
          std::pair{"mnuOpen", "chooser"}, std::pair{"mnueditxml", "editor"},
          std::pair{"mnucontents", "help"}, std::pair{"mnuabout", "about"},
          std::pair{"mnuImportWords", "import"}})
        fromEntry(control<QAction>(window, entry), name);
    // The pace an exam date two months ahead asks, against a limit of 20 minutes a day.
    control<QAction>(window, "mnuOptions")->trigger();
    for (QWidget *options : QApplication::topLevelWidgets()) {
        if (options->objectName() != QLatin1String("FormOptions"))
            continue;
        control<QCheckBox>(*options, "examBox")->setChecked(true);
        control<QDateEdit>(*options, "examDate")->setDate(services.clock->now().date().addDays(60));
        control<QSpinBox>(*options, "dailyMinutes")->setValue(20);
        QTest::qWait(600);
        // The retention for the exam, weighed in the background: a few seconds in a debug build.
        auto *suggestion = control<QLabel>(*options, "retentionSuggestionText");
        for (int wait = 0; wait < 300 && suggestion->text().isEmpty(); ++wait)
            QTest::qWait(100);
        save(options, "options-pace");
        // A desired retention below the advised range, warned of beside it.
        control<QSpinBox>(*options, "retention")->setValue(75);
        save(options, "options-retention");
        options->close();
    }
    progress(window, services);
    fit(window, services);
    return 0;
}
