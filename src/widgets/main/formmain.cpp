// SPDX-License-Identifier: GPL-3.0-or-later
#include "formmain.h"

#include "answerbutton.h"
#include "firststart.h"

#include "platform/error.h"
#include "platform/services.h"
#include "widgets/help/formabout.h"
#include "widgets/help/formhelp.h"
#include "widgets/help/helpfile.h"
#include "widgets/importing/formimport.h"
#include "widgets/modes/formflash.h"
#include "widgets/modes/formlist.h"
#include "widgets/modes/formmemory.h"
#include "widgets/modes/studycontrols.h"
#include "widgets/progress/formprogress.h"
#include "widgets/results/formresults.h"
#include "widgets/settings/formoptions.h"
#include "widgets/speech/speech.h"
#include "widgets/store/formedit.h"
#include "widgets/store/formselect.h"
#include "widgets/study/formpractice.h"
#include "widgets/study/formstudy.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QTextEdit>

using namespace core;

namespace widgets {

// Off unless asked for (QT_LOGGING_RULES="vocabrix.startup.info=true"): what start-up loaded.
Q_LOGGING_CATEGORY(startupLog, "vocabrix.startup", QtWarningMsg)

namespace {

// Translated where it is shown.
const char *const loadFailure =
    QT_TRANSLATE_NOOP("widgets::FormMain", " There was an error in loading the XML dictionary");
const QString firstDictionary = QStringLiteral("\\XML\\gre.xml");

// A window kept for the whole run, made the first time it is needed.
template <typename Window, typename Make> Window &kept(std::unique_ptr<Window> &slot, Make make)
{
    if (!slot)
        slot = make();
    return *slot;
}

} // namespace

FormMain::FormMain(learning::ProgramModel &model, platform::Services &services, QWidget *parent)
    : QMainWindow(parent), model(model), services(services), words(model.dictionary),
      settings(model.display), studyPlan(model.studyPlan), review(model.review), log(model.log),
      update(model.update), progress(model.memory)
{
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(tr("Vocabrix  GRE /GMAT/ SAT/TOEFL  Vocabulary Builder "));
    createActions();
    createMenus();
    // Read on a second core while this thread builds the rest of the window. Not before the
    // menu bar: making it may start a helper process (D-Bus looking for a session bus), and a
    // process forked while another thread holds a lock can hang on it before it runs.
    words.prefetch(firstDictionary);
    createControls();
    connectReview();
    connectDescription();
    connectProgress();
    connect(studyButton, &QPushButton::clicked, studyAction, &QAction::trigger);
    connect(exitButton, &QPushButton::clicked, this, &FormMain::askToExit);
    // F1 in any window of the program: the help at the page that tells about that window.
    auto *helpKey = new QShortcut(QKeySequence::HelpContents, this);
    helpKey->setObjectName(QStringLiteral("helpkey"));
    helpKey->setContext(Qt::ApplicationShortcut);
    connect(helpKey, &QShortcut::activated, this,
            [this] { showHelp(QApplication::activeWindow()); });
}

FormMain::~FormMain() = default;

void FormMain::createActions()
{
    auto action = [this](const char *name, const QString &caption, void (FormMain::*slot)()) {
        auto *result = new QAction(caption, this);
        result->setObjectName(QLatin1String(name));
        connect(result, &QAction::triggered, this, slot);
        return result;
    };
    auto window = [this](const char *name, const QString &caption, auto show) {
        auto *result = new QAction(caption, this);
        result->setObjectName(QLatin1String(name));
        connect(result, &QAction::triggered, this, show);
        return result;
    };
    openAction =
        window("mnuOpen", tr("&Open Custom XML Dictionary"), [this] { chooserWindow().open(); });
    openAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    editXmlAction =
        window("mnueditxml", tr("&Edit XML Dictionary"), [this] { editorWindow().open(); });
    importProgressAction =
        action("mnuImportProgress", tr("&Import Progress..."), &FormMain::importProgress);
    exportProgressAction =
        action("mnuExportProgress", tr("Ex&port Progress..."), &FormMain::exportProgress);
    importWordsAction =
        action("mnuImportWords", tr("Import &Word List..."), &FormMain::importWordList);
    exportWordsAction =
        action("mnuExportWords", tr("Export Wor&d List..."), &FormMain::exportWordList);
    exitAction = action("mnuexit", tr("E&xit"), &FormMain::unloadProgram);
    optionsAction = window("mnuOptions", tr("&Options"), [this] { optionsWindow().open(); });
    listAction = window("mnuList", tr("&List Mode"), [this] { listWindow().showWordList(); });
    flashAction =
        window("mnuFlash", tr("&Flash Card Mode"), [this] { flashWindow().load(words.path()); });
    memoryAction =
        window("mnumemory", tr("&Memory Game"), [this] { memoryWindow().load(words.path()); });
    contentsAction = window("mnucontents", tr("&Contents"), [this] {
        if (const auto pages = help::openHelp(services))
            helpWindow().open(pages->contentsFile, pages->page);
    });
    updateAction = action("mnuxml", tr("Update XML wordlist"), &FormMain::updateWordList);
    aboutAction = window("mnuabout", tr("&About"), [this] { aboutWindow().open(); });
    progressAction = window("mnuProgress", tr("&Progress"), [this] {
        progressWindow().open(studyPlan.plan().examDate, studyPlan.plan().desiredRetention);
    });
    progressAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    studyAction = window("mnuStudy", tr("&Study Today"), [this] { studyWindow().open(); });
    studyAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    practiceAction =
        window("mnuPractice", tr("Pr&actice Set"), [this] { practiceWindow().open(); });
    speakWordAction =
        window("mnuSpeakWord", tr("Spea&k Word"), [this] { speech().say(review.word()); });
    speakWordAction->setShortcut(QKeySequence(Qt::Key_F5));
    speakUsageAction = window("mnuSpeakUsage", tr("Speak &Usage"),
                              [this] { speech().say(words.usage(review.currentPosition())); });
    speakUsageAction->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F5));
}

void FormMain::start()
{
    services.random->randomize();
    applyDisplaySettings();
    bool loaded = true;
    try {
        loadDictionary(firstDictionary);
        qCInfo(startupLog).noquote()
            << "loaded" << words.count() << "words from" << words.filePath();
    } catch (const platform::Error &failure) {
        loaded = false;
        qCInfo(startupLog).noquote() << "no dictionary:" << failure.message();
    }
    // Asked before anything is written: whether the learner has been here before.
    if (FirstStart::isFirstStart(services)) {
        auto *welcome = new FirstStart(studyPlan, services, this);
        connect(welcome, &FirstStart::studyRequested, studyAction, &QAction::trigger);
        welcome->showAfterFirstPaint(*this);
    }
    show();
    // Keys 1 to 5 answer at once; in the word box they would type instead.
    nextButton->setFocus();
    // The window opens empty rather than the program ending; the user can pick another file.
    if (!loaded)
        services.dialogs->message(tr(loadFailure), platform::Icon::critical, platform::Buttons::ok);
}

void FormMain::applyDisplaySettings()
{
    const TextStyle &word = settings.style(DisplayStyles::MainWord);
    studycontrols::setFontName(wordBox, word.fontName);
    studycontrols::setFontSize(wordBox, word.fontSize);
    studycontrols::setTextColor(wordBox, word.colorCode);
    for (AnswerButton *each : answerButtons)
        studycontrols::setFontName(each, settings.style(DisplayStyles::AnswerButtons).fontName);
}

void FormMain::loadDictionary(const QString &path)
{
    words.load(path);
    if (words.count() > 0) {
        const TextStyle &answers = settings.style(DisplayStyles::AnswerButtons);
        for (AnswerButton *each : answerButtons) {
            studycontrols::setFontName(each, answers.fontName);
            each->setBackColor(answers.color());
            studycontrols::setFontSize(each, answers.fontSize);
        }
    }
    review.begin();
}

void FormMain::showHelp(QWidget *front)
{
    // In the help itself the page being read stays.
    if (front && front == help.get())
        return;
    const QString page = help::pageFor(front ? front->objectName() : objectName());
    if (const auto pages = help::openHelp(services, page))
        helpWindow().open(pages->contentsFile, pages->page);
}

void FormMain::updateWordList()
{
    try {
        updateProgress->setVisible(true);
        updateProgress->setValue(45);
        updateProgress->setValue(60);
        services.dialogs->message(tr(" Please Wait ... Updating.."), platform::Icon::exclamation,
                                  platform::Buttons::ok);
        update.replaceDefaultDictionary(*services.http, *services.files, words);
        updateProgress->setValue(100);
        services.dialogs->message(tr("Update Successful "), platform::Icon::information,
                                  platform::Buttons::ok);
    } catch (const platform::Error &) {
        services.dialogs->message(tr("Error during update , Please try later"),
                                  platform::Icon::exclamation, platform::Buttons::ok);
    }
    updateProgress->setVisible(false);
}

void FormMain::askToExit()
{
    if (services.dialogs->message(tr("Do you want to Exit ? "), platform::Icon::question,
                                  platform::Buttons::yesno) == platform::Answer::yes)
        unloadProgram();
}

void FormMain::unloadProgram()
{
    if (ending)
        return;
    ending = true;
    if (practice)
        practice->endWithTheProgram();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != this)
            window->hide();
    }
    hide();
    emit ended();
    QCoreApplication::exit(0);
}

void FormMain::closeEvent(QCloseEvent *event)
{
    unloadProgram();
    event->accept();
}

FormResults &FormMain::resultsWindow()
{
    return kept(results, [this] { return std::make_unique<FormResults>(log, services); });
}

FormFlash &FormMain::flashWindow()
{
    return kept(
        flash, [this] { return std::make_unique<FormFlash>(words, settings, services, speech()); });
}

FormMemory &FormMain::memoryWindow()
{
    return kept(memory, [this] { return std::make_unique<FormMemory>(words, settings, services); });
}

FormList &FormMain::listWindow()
{
    return kept(list, [this] { return std::make_unique<FormList>(words, services); });
}

FormOptions &FormMain::optionsWindow()
{
    return kept(options, [this] {
        auto made =
            std::make_unique<FormOptions>(settings, studyPlan, model.speech, services, speech());
        made->showPacingFor(words, progress);
        return made;
    });
}

FormSelect &FormMain::chooserWindow()
{
    return kept(chooser, [this] {
        auto made = std::make_unique<FormSelect>(services);
        connect(made.get(), &FormSelect::dictionaryChosen, this, [this](const QString &path) {
            try {
                loadDictionary(path);
            } catch (const platform::Error &) {
                // The chooser stays open for another choice.
                services.dialogs->message(tr(loadFailure), platform::Icon::critical,
                                          platform::Buttons::ok);
                return;
            }
            chooser->close();
        });
        return made;
    });
}

FormEdit &FormMain::editorWindow()
{
    return kept(editor, [this] { return std::make_unique<FormEdit>(words, services); });
}

FormHelp &FormMain::helpWindow()
{
    return kept(help, [this] { return std::make_unique<FormHelp>(services); });
}

FormAbout &FormMain::aboutWindow()
{
    return kept(about, [this] { return std::make_unique<FormAbout>(services); });
}

FormProgress &FormMain::progressWindow()
{
    return kept(progressForm, [this] {
        auto made = std::make_unique<FormProgress>(progress, words, services);
        made->followPlan(studyPlan);
        connect(made.get(), &FormProgress::studyWordRequested, this,
                [this](const QString &word) { studyWindow().studyWord(word); });
        return made;
    });
}

FormStudy &FormMain::studyWindow()
{
    return kept(study, [this] {
        auto made = std::make_unique<FormStudy>(words, progress, services, speech());
        made->followPlan(studyPlan);
        connect(made.get(), &FormStudy::practiceRequested, this,
                [this] { practiceWindow().open(); });
        return made;
    });
}

FormPractice &FormMain::practiceWindow()
{
    return kept(practice,
                [this] { return std::make_unique<FormPractice>(words, progress, services); });
}

Speech &FormMain::speech()
{
    return kept(speechHub, [this] {
        auto made = std::make_unique<Speech>(words, model.speech, services);
        made->follow(speakWordAction, tr("Say the word on show"));
        made->follow(speakUsageAction, tr("Say the usage of the word on show"));
        return made;
    });
}

} // namespace widgets
