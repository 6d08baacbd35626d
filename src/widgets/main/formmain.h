// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window: the review quiz over the program model that main made, and the place where
// the other windows are made, each when it is first needed and kept for the run, with the parts
// of the model it shows. It starts and ends the program.

#include "learning/programmodel.h"

#include <QMainWindow>
#include <array>
#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTextEdit;
class QTimer;
class QToolBar;
class QUrl;
namespace learning {
class QuizRecorder;
}
namespace platform {
struct Services;
}

namespace widgets {

class AnswerButton;
class FormAbout;
class FormEdit;
class FormFlash;
class FormHelp;
class FormImport;
class FormList;
class FormMemory;
class FormOptions;
class FormProgress;
class FormResults;
class FormSelect;
class FormPractice;
class FormStudy;
class Speech;

class FormMain : public QMainWindow
{
    Q_OBJECT
public:
    FormMain(learning::ProgramModel &model, platform::Services &services,
             QWidget *parent = nullptr);
    ~FormMain() override;

    // The start-up: seed, the display settings applied, the default dictionary, then the window
    // is shown.
    void start();

    // Makes a dictionary (relative to the program folder) the current one and shows a first
    // word with its choices. Throws platform::Error when the file holds no word.
    void loadDictionary(const QString &path);

    const core::Dictionary &dictionary() const { return words; }
    const core::ReviewSession &reviewSession() const { return review; }
    const core::AnswerLog &answerLog() const { return log; }
    // The learner's memory, which opens its file when it is first needed.
    learning::LearnerMemory &learnerMemory() { return progress; }

signals:
    // The program is ending (the unload routine ran).
    void ended();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createActions();
    void createMenus();
    void createControls();
    QWidget *createQuiz();
    QWidget *createAnswerWindow();
    QWidget *createControlPanel();
    QWidget *createScore();
    QWidget *createDescription();
    void createFormatToolbar();
    void connectReview();
    void connectDescription();
    void connectProgress();

    void applyDisplaySettings();
    void showCard();
    void showScore();
    void toggleAutoMode();
    void netSearch();
    void imageSearch();
    void lookup(const QUrl &address);
    void formatDescription(const QString &key);
    void saveDescription();
    void updateWordList();
    void askToExit();
    void exportProgress();
    void importProgress();
    void importWordList();
    void exportWordList();
    void tellAboutProgress(const QString &notice);
    // The help at the page that tells about a window of the program.
    void showHelp(QWidget *front);
    // Ends the program: no question, nothing saved, other windows closed without their handlers.
    void unloadProgram();

    FormResults &resultsWindow();
    FormFlash &flashWindow();
    FormMemory &memoryWindow();
    FormList &listWindow();
    FormOptions &optionsWindow();
    FormSelect &chooserWindow();
    FormEdit &editorWindow();
    FormHelp &helpWindow();
    FormAbout &aboutWindow();
    FormImport &importWindow();
    FormProgress &progressWindow();
    FormStudy &studyWindow();
    FormPractice &practiceWindow();
    // The words heard and their IPA, made when a window first needs them.
    Speech &speech();

    learning::ProgramModel &model;
    platform::Services &services;
    core::Dictionary &words;
    core::DisplaySettings &settings;
    learning::StudyPlanSettings &studyPlan;
    core::ReviewSession &review;
    core::AnswerLog &log;
    core::WordListUpdate &update;
    learning::LearnerMemory &progress;
    learning::QuizRecorder *quizRecorder;

    std::unique_ptr<FormResults> results;
    std::unique_ptr<FormFlash> flash;
    std::unique_ptr<FormMemory> memory;
    std::unique_ptr<FormList> list;
    std::unique_ptr<FormOptions> options;
    std::unique_ptr<FormSelect> chooser;
    std::unique_ptr<FormEdit> editor;
    std::unique_ptr<FormHelp> help;
    std::unique_ptr<FormAbout> about;
    std::unique_ptr<FormImport> importDialog;
    std::unique_ptr<FormProgress> progressForm;
    std::unique_ptr<FormStudy> study;
    std::unique_ptr<FormPractice> practice;
    std::unique_ptr<Speech> speechHub;

    QAction *openAction, *editXmlAction, *importProgressAction, *exportProgressAction, *exitAction,
        *optionsAction, *listAction, *flashAction, *memoryAction, *contentsAction, *updateAction,
        *aboutAction;
    QAction *importWordsAction, *exportWordsAction;
    QAction *progressAction;
    QAction *studyAction;
    QAction *practiceAction;
    QAction *speakWordAction, *speakUsageAction;
    QPushButton *studyButton;

    QLineEdit *wordBox;
    QTextEdit *descriptionBox;
    QToolBar *formatToolbar;
    QTimer *autoTimer;
    QProgressBar *updateProgress;
    QComboBox *dictionaryChoice;
    std::array<AnswerButton *, core::ReviewSession::choiceCount> answerButtons;
    QPushButton *flashButton, *nextButton, *previousButton, *netSearchButton, *viewLogButton,
        *showButton, *hideButton, *editButton, *saveButton, *exitButton, *autoButton,
        *imageSearchButton;
    QLabel *rightCountLabel, *wrongCountLabel, *percentLabel;

    bool ending = false;
};

} // namespace widgets
