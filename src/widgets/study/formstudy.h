// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learning/studysession.h"

#include <QWidget>
#include <array>
#include <optional>

class QButtonGroup;
class QLabel;
class QPushButton;
class QShortcut;
class QScrollArea;
class QStackedWidget;
class QToolButton;
namespace core {
class Dictionary;
}
namespace learning {
class StudyPlanSettings;
}
namespace platform {
struct Services;
}

namespace widgets {

class ForecastPanel;
class QuestionView;
class Speech;

// Study Today: one card at a time in the format its word calls for: the word large and five
// meanings (keys 1 to 5), with the hint on request (H); the sentence with a blank and five
// words (1 to 5); the sentence and six words, two of which fit (1 to 6 toggle, Enter answers
// with two picked); or the meaning and the sentence, the word typed (Enter answers). Then the
// result at once with the grade it proposes (A, H, G, E to change it; Space or Enter to go on),
// Ctrl+Z to take an answer back, and the day's summary at the end, where the learner may study
// more; the word's IPA under it, F5 says the word and Shift+F5 the usage once they do not give
// the answer away. A view of a learning::StudySession.
class FormStudy : public QWidget
{
    Q_OBJECT
public:
    FormStudy(const core::Dictionary &dictionary, learning::LearnerMemory &memory,
              platform::Services &services, Speech &speech, QWidget *parent = nullptr);
    ~FormStudy() override;

    // Studies by the plan in force, and by each plan saved from then on; the summary reminds
    // the learner to fit the memory model now and then, and the plan's file remembers when.
    void followPlan(learning::StudyPlanSettings &plan);
    // Builds today's queue and shows the window.
    void open();
    const learning::StudySession &session() const { return study; }

public slots:
    // Opens the window with that word's card first.
    void studyWord(const QString &word);

signals:
    // The learner asked for a practice set from the summary.
    void practiceRequested();

private:
    void createControls();
    QWidget *createCard();
    QWidget *createFeedback();
    QWidget *createSummary();
    void createShortcuts();
    void pressed(int key);
    void pressedInQuestion(int key);
    bool asksTheWord() const;
    void showSession();
    void showQuestion();
    void showFeedback();
    void showSummary();
    void showProgress();
    void studyMore(learning::StudySession::Extra extra);
    void showResult();
    void announce(QLabel *label);

    platform::Services &services;
    Speech &speech;
    learning::LearnerMemory &memory;
    learning::StudyPlanSettings *planSettings = nullptr;
    QString fitReminder; // shown under the summary until the learner studies on
    learning::StudySession study;
    QuestionView *question;
    ForecastPanel *forecastPanel; // in the day's summary

    QLabel *planLabel, *progressLabel, *wordLabel, *ipaLabel, *hintLabel, *resultLabel,
        *pickedLabel, *usageLabel, *meaningLabel, *summaryLabel, *studyMoreNote;
    QPushButton *undoButton, *hintButton, *continueButton, *closeButton, *practiceButton;
    std::array<QPushButton *, 3> studyMoreButtons;
    QWidget *studyMoreRow;
    QToolButton *speakButton;
    std::array<QPushButton *, 4> gradeButtons;
    QButtonGroup *grades;
    QWidget *feedback;
    QStackedWidget *pages;
    QScrollArea *cardScroll;
    QList<QShortcut *> feedbackKeys;
    bool hintShown = false;
    // The card last said by itself, so that a grade or a hint does not say it again.
    std::optional<int> spokenCard;
};

} // namespace widgets
