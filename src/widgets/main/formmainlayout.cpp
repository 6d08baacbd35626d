// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the main window's controls and menus.

#include "answerbutton.h"
#include "formmain.h"

#include "platform/lookups.h"
#include "platform/widgets/twips.h"
#include "widgets/modes/studycontrols.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

using namespace core;

namespace widgets {

using platform::twips;

namespace {

constexpr int answerLeft = 480, answerWidth = 5000, answerHeight = 900;

QString indexed(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

template <typename Widget> Widget *named(Widget *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

QPushButton *button(const char *name, const QString &caption, const QString &tooltip)
{
    auto *result = named(new QPushButton(caption), QLatin1String(name));
    result->setToolTip(tooltip);
    return result;
}

QGroupBox *frame(const char *name, const QString &caption)
{
    QGroupBox *result = named(new QGroupBox(caption), QLatin1String(name));
    // Qt would name a frame inside another (the Answer Window, the Control Panel) by the outer
    // frame's caption.
    result->setAccessibleName(caption);
    return result;
}

// Frames carry their captions in Arial Black; what they hold keeps the ordinary font unless it
// has one of its own.
void setFrameFonts(QWidget *window)
{
    QFont content = QApplication::font();
    content.setFamily(content.family());
    content.setPointSizeF(content.pointSizeF());
    content.setWeight(QFont::Normal);
    content.setItalic(false);
    QFont title(QStringLiteral("Arial Black"));
    title.setPointSizeF(content.pointSizeF());
    title.setWeight(QFont::Black);
    for (QGroupBox *box : window->findChildren<QGroupBox *>()) {
        for (QWidget *child : box->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!qobject_cast<QGroupBox *>(child) && !child->testAttribute(Qt::WA_SetFont))
                child->setFont(content);
        }
        box->setFont(title);
    }
}

} // namespace

// Access keys: no two captions of the window share one. F, T, V and H open the menus, so Flash
// has L, View Log O and Hide D; A is Save's and E Edit's, so Auto Mode has M and Exit X (as in
// the File menu).
void FormMain::createControls()
{
    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(createQuiz(), 1);
    layout->addWidget(createDescription());

    auto *bottom = new QHBoxLayout;
    exitButton = button("Command8", tr("E&xit"), tr("Exit from Program"));
    updateProgress = named(new QProgressBar, QStringLiteral("ProgressBar1"));
    updateProgress->setRange(0, 100);
    updateProgress->setVisible(false);
    bottom->addWidget(updateProgress, 1);
    bottom->addStretch();
    bottom->addWidget(exitButton);
    layout->addLayout(bottom);
    setCentralWidget(central);

    autoTimer = named(new QTimer(this), QStringLiteral("Timer1"));
    autoTimer->setInterval(1000);

    setFrameFonts(central);
}

QWidget *FormMain::createQuiz()
{
    QGroupBox *quiz = frame("Frame1", tr("Test your GRE vocabulary [Review Mode]"));
    auto *layout = new QGridLayout(quiz);

    wordBox = named(new QLineEdit, QStringLiteral("Text1"));
    wordBox->setAlignment(Qt::AlignCenter);
    // In the display settings' font from the start: a text box lays its text out with every
    // font it is given, and each new font is looked up among the system's.
    const TextStyle &style = settings.style(DisplayStyles::MainWord);
    QFont word(style.fontName);
    word.setPointSizeF(studycontrols::fontPointSize(style.fontSize));
    word.setBold(true);
    wordBox->setFont(word);
    wordBox->setAccessibleName(tr("Word"));
    layout->addWidget(wordBox, 0, 0, 1, 2);

    layout->addWidget(createAnswerWindow(), 1, 0, 2, 1);
    layout->addWidget(createControlPanel(), 1, 1);
    layout->addWidget(createScore(), 2, 1);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(1, 1);
    return quiz;
}

QWidget *FormMain::createAnswerWindow()
{
    QGroupBox *answers = frame("Frame2", tr("Answer Window"));
    // The answer buttons move between fixed slots, so this frame places its controls itself.
    answers->setFixedSize(twips(answerLeft + answerWidth + 240),
                          twips(slotTops.back() + answerHeight + 300));
    QFont slotFont(QStringLiteral("Arial"), 12);
    slotFont.setBold(true);
    for (int i = 0; i < ReviewSession::choiceCount; ++i) {
        auto *slotLabel =
            named(new QLabel(QStringLiteral("%1.").arg(i + 1), answers), indexed("Label1", i));
        slotLabel->setFont(slotFont);
        slotLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        slotLabel->setGeometry(twips(120), twips(slotTops[i]), twips(360), twips(answerHeight));

        answerButtons[i] = named(new AnswerButton(answers), indexed("Command1", i));
        answerButtons[i]->setFont(QFont(QStringLiteral("Comic Sans MS"), 10, QFont::Normal));
        answerButtons[i]->setGeometry(twips(answerLeft), twips(slotTops[i]), twips(answerWidth),
                                      twips(answerHeight));
    }
    return answers;
}

QWidget *FormMain::createControlPanel()
{
    QGroupBox *panel = frame("Frame4", tr("Control Panel"));
    auto *layout = new QGridLayout(panel);
    const std::array<QString, 4> captions{tr("F&lash "), tr("&Next"), tr("&Previous"),
                                          tr("Net &Search")};
    const std::array<QString, 4> labels{tr("Flash Word:"), tr("Next Word:"), tr("Previous Word:"),
                                        tr("Online Dictionary:")};
    std::array<QPushButton *, 4> buttons;
    for (int i = 0; i < 4; ++i) {
        buttons[i] = named(new QPushButton(captions[i]), indexed("Command2", i));
        auto *label = named(new QLabel(labels[i]), indexed("Label111", i));
        label->setBuddy(buttons[i]);
        layout->addWidget(label, i, 0);
        layout->addWidget(buttons[i], i, 2);
    }
    flashButton = buttons[0];
    nextButton = buttons[1];
    previousButton = buttons[2];
    netSearchButton = buttons[3];
    dictionaryChoice = named(new QComboBox, QStringLiteral("combdict"));
    dictionaryChoice->setEditable(true);
    for (const platform::LookupService &service : platform::dictionaryServices())
        dictionaryChoice->addItem(service.label);
    dictionaryChoice->setCurrentText(QStringLiteral("Webster"));
    dictionaryChoice->setAccessibleName(tr("Online dictionary"));
    layout->addWidget(dictionaryChoice, 3, 1);
    imageSearchButton = button("Command10", tr("&Image Search"), tr("Google Image Search"));
    layout->addWidget(imageSearchButton, 4, 2);
    autoButton = button("Command9", tr("Auto &Mode"),
                        tr("Set Program in Auto Mode to randomly display cards"));
    layout->addWidget(autoButton, 4, 0);
    studyButton = button("studyButton", tr("Stud&y Today"),
                         tr("Study the words due today and today's new words (Ctrl+T)"));
    layout->addWidget(studyButton, 5, 0, 1, 3, Qt::AlignBottom);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(5, 1);
    return panel;
}

QWidget *FormMain::createScore()
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);

    QGroupBox *misc = frame("Frame3", tr("Miscellaneous"));
    auto *score = new QGridLayout(misc);
    rightCountLabel = named(new QLabel, QStringLiteral("Label5"));
    wrongCountLabel = named(new QLabel, QStringLiteral("Label6"));
    percentLabel = named(new QLabel, QStringLiteral("Label7"));
    const std::array<QLabel *, 3> captions{
        named(new QLabel(tr("Correctly Answered:")), QStringLiteral("Label2")),
        named(new QLabel(tr("Incorrectly Answered:")), QStringLiteral("Label3")),
        named(new QLabel(tr("Percentage:")), QStringLiteral("Label4"))};
    const std::array<QLabel *, 3> values{rightCountLabel, wrongCountLabel, percentLabel};
    for (int i = 0; i < 3; ++i) {
        captions[i]->setBuddy(values[i]);
        values[i]->setMinimumWidth(twips(900));
        values[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        score->addWidget(captions[i], i, 0);
        score->addWidget(values[i], i, 1);
    }
    layout->addWidget(misc, 1);

    QGroupBox *resultsFrame = frame("Frame5", tr("Results"));
    auto *results = new QHBoxLayout(resultsFrame);
    auto *logLabel = named(new QLabel(tr("Log:")), QStringLiteral("Label10"));
    viewLogButton = button("Command3", tr("View L&og"), tr("Score"));
    logLabel->setBuddy(viewLogButton);
    results->addWidget(logLabel);
    results->addWidget(viewLogButton);
    layout->addWidget(resultsFrame);
    return row;
}

QWidget *FormMain::createDescription()
{
    QGroupBox *description = frame("Frame6", tr("Description"));
    auto *layout = new QVBoxLayout(description);
    formatToolbar = named(new QToolBar, QStringLiteral("Toolbar1"));
    formatToolbar->setIconSize(QSize(20, 20));
    layout->addWidget(formatToolbar);

    descriptionBox = named(new QTextEdit, QStringLiteral("descriptionBox"));
    descriptionBox->setAccessibleName(tr("Description"));
    descriptionBox->setAcceptRichText(false);
    descriptionBox->setMinimumHeight(twips(1200));
    descriptionBox->setMaximumHeight(twips(2100));
    descriptionBox->setFont(QFont(QStringLiteral("DejaVu Sans"), 11, QFont::Normal));
    // Locked until Edit, yet as readable as an unlocked box.
    QPalette colors = descriptionBox->palette();
    for (const auto role : {QPalette::Text, QPalette::Base, QPalette::Window})
        colors.setColor(QPalette::Disabled, role, colors.color(QPalette::Active, role));
    descriptionBox->setPalette(colors);
    descriptionBox->setEnabled(false);
    // Hiding the description must not make the window jump.
    QSizePolicy policy = descriptionBox->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    descriptionBox->setSizePolicy(policy);
    layout->addWidget(descriptionBox, 1);

    auto *buttons = new QHBoxLayout;
    showButton = button("Command4", tr("Sho&w "),
                        tr("Show description to help you grasp the contextual meaning of the "
                           "word."));
    hideButton =
        button("Command5", tr("Hi&de"), tr("Hide description to test your memory recall "));
    editButton =
        button("Command6", tr("&Edit"), tr("Add your own description by editing the text above"));
    saveButton = button("Command7", tr("S&ave"), tr("Save your description."));
    for (QPushButton *each : {showButton, hideButton, editButton})
        buttons->addWidget(each);
    buttons->addStretch();
    buttons->addWidget(saveButton);
    layout->addLayout(buttons);
    return description;
}

void FormMain::createMenus()
{
    auto menu = [this](const char *name, const QString &caption,
                       std::initializer_list<QAction *> actions) {
        QMenu *result = menuBar()->addMenu(caption);
        result->setObjectName(QLatin1String(name));
        for (QAction *action : actions) {
            if (action)
                result->addAction(action);
            else
                result->addSeparator();
        }
    };
    menu("mnuFile", tr("&File"),
         {openAction, editXmlAction, nullptr, importWordsAction, exportWordsAction, nullptr,
          importProgressAction, exportProgressAction, nullptr, exitAction});
    menu("mnuTool", tr("&Tool"), {optionsAction});
    menu("mnuView", tr("&View"),
         {studyAction, practiceAction, nullptr, listAction, flashAction, memoryAction, nullptr,
          progressAction, nullptr, speakWordAction, speakUsageAction});
    menu("mnuhelp", tr("&Help"), {contentsAction, updateAction, aboutAction});
}

} // namespace widgets
