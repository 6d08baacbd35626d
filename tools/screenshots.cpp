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
#include "widgets/study/formpractice.h"
#include "widgets/study/formstudy.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <functional>
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
// days missed: the reviews a learner would have, made by the scheduler without the store. A
// wrong answer picked the meaning of the word beside it in the list, so that neighbours are
// confused with each other.
QList<learning::Review> simulatedStudy(const QStringList &words, const QDateTime &now)
{
    using namespace learning;
    const Scheduler scheduler;
    std::map<QString, Card> cards;
    std::map<QString, QString> neighbours;
    for (int position = 1; position + 1 < words.size(); ++position)
        neighbours[wordKey(words[position])] =
            words.value(position % 2 ? position + 1 : position - 1);
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
                reviews.append({key,
                                toTime(time),
                                rating,
                                QStringLiteral("study"),
                                {},
                                4000,
                                QStringLiteral("meaning"),
                                rating == Rating::Again ? neighbours[key] : QString()});
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

// Study Today's formats on a small list of its own in the program folder, with its distractor
// and synonym lists: abate young (text completion), curtail mature (typed recall, sentence
// equivalence). The list and its lists are removed afterwards; the answers stay in the memory,
// as the other shots' do.
void studyFormats(FormMain &window, platform::Services &services)
{
    const struct
    {
        const char *word, *meaning, *usage;
    } entries[] = {
        {"Sample list", "(n.) the study formats", ""},
        {"abate", "(v.) become less intense or widespread",
         "The storm did not abate until the small hours, when the wind at last dropped."},
        {"wane", "(v.) decrease in strength or extent",
         "Her interest in the project began to wane once the funding ran out."},
        {"curtail", "(v.) reduce in extent or quantity; cut short",
         "The rain forced the organizers to curtail the concert after only three songs."},
        {"truncate", "(v.) shorten by cutting off the end",
         "The editor had to truncate the article to fit it on a single page."},
        {"augment", "(v.) make greater by adding to",
         "He took a second job to augment his modest income."},
        {"exacerbate", "(v.) make a bad situation worse",
         "Cutting the staff would only exacerbate the delays at the clinic."},
        {"foment", "(v.) stir up trouble or discord",
         "The pamphlets were written to foment unrest among the workers."},
        {"prolong", "(v.) extend the duration of",
         "The doctors hoped the new treatment would prolong his life."},
        {"embellish", "(v.) make more attractive by adding details",
         "She liked to embellish her stories with imaginary adventures."},
    };
    QByteArray xml = "<GRE>\r\n";
    for (const auto &e : entries)
        xml += QStringLiteral("<word>%1</word><meaning>%2</meaning><usage>%3</usage>\r\n")
                   .arg(QLatin1String(e.word), QLatin1String(e.meaning), QLatin1String(e.usage))
                   .toUtf8();
    const QString base = services.programPath(QStringLiteral("\\XML\\formats-sample"));
    const QStringList files{base + QStringLiteral(".xml"),
                            base + QStringLiteral(".confusables.tsv"),
                            base + QStringLiteral(".synonyms.tsv")};
    const QByteArray contents[] = {xml + "</GRE>\r\n",
                                   "abate\taugment\texacerbate\tfoment\tprolong\tembellish\r\n"
                                   "curtail\tprolong\taugment\tembellish\tfoment\texacerbate\r\n",
                                   "abate\twane\r\ncurtail\ttruncate\r\n"};
    for (int i = 0; i < 3; ++i) {
        QFile file(files[i]);
        if (!file.open(QIODevice::WriteOnly) || file.write(contents[i]) != contents[i].size())
            return;
    }
    const QDateTime now = services.clock->now();
    const auto easy = [&](const char *word, int daysAgo) {
        return learning::Review{word,
                                learning::toTime(now.addDays(-daysAgo)),
                                learning::Rating::Easy,
                                QStringLiteral("study"),
                                QStringLiteral("formats-sample.xml"),
                                3000};
    };
    window.learnerMemory().addReviews(
        {easy("abate", 10), easy("curtail", 400), easy("curtail", 300)});
    window.loadDictionary(QStringLiteral("\\XML\\formats-sample.xml"));
    control<QAction>(window, "mnuStudy")->trigger();
    auto *study = qobject_cast<FormStudy *>(QApplication::activeWindow());
    for (QWidget *each : QApplication::topLevelWidgets())
        study = study ? study : qobject_cast<FormStudy *>(each);
    using learning::StudyFormat;
    const auto shoot = [&](const char *word, StudyFormat format, const char *name,
                           const std::function<void()> &answer) {
        for (int i = 0; i < 30; ++i) {
            study->studyWord(QLatin1String(word));
            if (study->session().format() != format)
                continue;
            save(study, name);
            answer();
            save(study, qPrintable(QLatin1String(name) + QStringLiteral("-feedback")));
            return;
        }
    };
    const auto pick = [study](int choice) {
        control<QPushButton>(*study, qPrintable(QStringLiteral("choice%1").arg(choice + 1)))
            ->click();
    };
    shoot("abate", StudyFormat::TextCompletion, "study-text-completion",
          [&] { pick((study->session().rightChoice() + 1) % 5); });
    // Typed recall first: a nearly right answer leaves the word mature, a wrong pair would not.
    shoot("curtail", StudyFormat::TypedRecall, "study-typed-recall", [&] {
        control<QLineEdit>(*study, "typedAnswer")->setText(QStringLiteral("curtial"));
        control<QPushButton>(*study, "answerButton")->click();
    });
    shoot("curtail", StudyFormat::SentenceEquivalence, "study-sentence-equivalence", [&] {
        const QList<int> right = study->session().rightChoices();
        pick(right[0]);
        pick(right[0] == 0 ? 1 : 0);
        control<QPushButton>(*study, "answerButton")->click();
    });
    study->hide();
    for (const QString &file : files)
        QFile::remove(file);
    window.loadDictionary(QStringLiteral("\\XML\\gre.xml"));
}

// A practice set over the words Study Today answered: a pair's question half answered, then the
// results of a set with two wrong answers and one left unanswered.
void practiceSet(FormMain &window)
{
    control<QAction>(window, "mnuPractice")->trigger();
    FormPractice *form = nullptr;
    for (QWidget *each : QApplication::topLevelWidgets())
        form = form ? form : qobject_cast<FormPractice *>(each);
    if (!form)
        return;
    const learning::PracticeSet &set = form->practice();
    const auto pick = [form](int choice) {
        control<QPushButton>(*form, qPrintable(QStringLiteral("choice%1").arg(choice + 1)))
            ->click();
    };
    // The picture is of a pair's question, the first there is.
    int shot = std::min(2, set.size() - 1);
    for (int question = set.size() - 1; question >= 0; --question)
        shot = set.card(question).partner >= 0 ? question : shot;
    for (int question = 0; question < set.size(); ++question) {
        const QList<int> right = set.card(question).rightChoices();
        const int wrong = right.contains(0) ? (right.contains(1) ? 2 : 1) : 0;
        if (question == shot) {
            pick(right[0]);
            save(form, "practice-question");
            pick(wrong);
        } else if (question == 1) {
            pick(wrong);
            if (right.size() == 2)
                pick(right[0]);
        } else if (question + 1 < set.size()) {
            for (int choice : right)
                pick(choice);
        }
        control<QPushButton>(*form, question + 1 < set.size() ? "nextButton" : "finishButton")
            ->click();
    }
    save(form, "practice-results");
    form->hide();
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
    practiceSet(window);

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
        for (int wait = 0; wait < 300 && !suggestion->text().startsWith("At "); ++wait)
            QTest::qWait(100);
        save(options, "options-retention");
        options->close();
    }
    progress(window, services);
    fit(window, services);
    studyFormats(window, services);
    return 0;
}
