// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learning/practiceset.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QStackedWidget;
class QTimer;
namespace core {
class Dictionary;
}
namespace platform {
struct Services;
}

namespace widgets {

class QuestionView;

// The practice set: "Question 3 of 10", the time left, the question (keys 1 to 5, or 1 to 6 to
// toggle a pair's words), Back (Alt+B), Next (Alt+N or Enter) and Finish (Alt+F); no result
// until the end, then the score, the time taken and each mistake. Closing before the end asks
// whether to end the set and record the answers so far. A view of a learning::PracticeSet.
class FormPractice : public QWidget
{
    Q_OBJECT
public:
    FormPractice(const core::Dictionary &dictionary, learning::LearnerMemory &memory,
                 platform::Services &services, QWidget *parent = nullptr);
    ~FormPractice() override;

    // Draws a new set and shows the window (the set under way, while there is one); when nothing
    // can be practised yet, it says why.
    void open();
    const learning::PracticeSet &practice() const { return set; }
    // The program is ending: a set under way ends too, and the answers given are recorded.
    void endWithTheProgram();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *createQuestionPage();
    QWidget *createResultsPage();
    void showSet();
    void showQuestion();
    void showTime();
    void showResults();
    void finishAsked();

    platform::Services &services;
    learning::PracticeSet set;
    QuestionView *question;
    QLabel *positionLabel, *answeredLabel, *timeLabel, *scoreLabel, *timeTakenLabel, *mistakesLabel;
    QPushButton *backButton, *nextButton, *finishButton, *againButton, *closeButton;
    QStackedWidget *pages;
    QTimer *ticker;
    // The question last shown, so that its card is built into the view once each time it shows.
    int shownQuestion = -1;
};

} // namespace widgets
