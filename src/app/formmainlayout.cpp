// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the main window's controls and menus.

#include "answerbutton.h"
#include "formmain.h"

#include "../platform/lookups.h"
#include "../platform/twips.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

using platform::twips;

namespace {

// Slot tops of the answer buttons, in twips; button k stands in slot k + 1 in the designer.
constexpr std::array<int, 5> slottops{480, 1440, 2400, 3360, 4320};
constexpr int answerleft = 480, answerwidth = 5000, answerheight = 900;

QString indexed(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

template <typename Widget> Widget *named(Widget *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

QPushButton *button(const char *name, const QString &caption, const QString &tooltip = {})
{
    auto *result = named(new QPushButton(caption), QLatin1String(name));
    result->setToolTip(tooltip);
    return result;
}

QGroupBox *frame(const char *name, const QString &caption)
{
    return named(new QGroupBox(caption), QLatin1String(name));
}

// Frames carry their captions in Arial Black; what they hold keeps the ordinary font unless it
// has one of its own.
void setframefonts(QWidget *window)
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

void FormMain::createcontrols()
{
    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(createquiz(), 1);
    layout->addWidget(createdescription());

    auto *bottom = new QHBoxLayout;
    Command8 = button("Command8", QStringLiteral("&Exit"), QStringLiteral("Exit from Program"));
    ProgressBar1 = named(new QProgressBar, QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setVisible(false);
    bottom->addWidget(ProgressBar1, 1);
    bottom->addStretch();
    bottom->addWidget(Command8);
    layout->addLayout(bottom);
    setCentralWidget(central);

    Timer1 = named(new QTimer(this), QStringLiteral("Timer1"));
    Timer1->setInterval(1000);

    setframefonts(central);
}

QWidget *FormMain::createquiz()
{
    Frame1 = frame("Frame1", QStringLiteral("Test your GRE vocabulary [Review Mode]"));
    auto *layout = new QGridLayout(Frame1);

    Text1 = named(new QLineEdit, QStringLiteral("Text1"));
    Text1->setAlignment(Qt::AlignCenter);
    QFont word(QStringLiteral("Times New Roman"), 36);
    word.setBold(true);
    Text1->setFont(word);
    Text1->setAccessibleName(QStringLiteral("Word"));
    layout->addWidget(Text1, 0, 0, 1, 2);

    layout->addWidget(createanswerwindow(), 1, 0, 2, 1);
    layout->addWidget(createcontrolpanel(), 1, 1);
    layout->addWidget(createscore(), 2, 1);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(1, 1);
    return Frame1;
}

QWidget *FormMain::createanswerwindow()
{
    Frame2 = frame("Frame2", QStringLiteral("Answer Window"));
    // The answer buttons move between fixed slots, so this frame places its controls itself.
    Frame2->setFixedSize(twips(answerleft + answerwidth + 240),
                         twips(slottops.back() + answerheight + 300));
    QFont slotfont(QStringLiteral("Arial"), 12);
    slotfont.setBold(true);
    for (int i = 0; i < 5; ++i) {
        Label1[i] =
            named(new QLabel(QStringLiteral("%1.").arg(i + 1), Frame2), indexed("Label1", i));
        Label1[i]->setFont(slotfont);
        Label1[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        Label1[i]->setGeometry(twips(120), twips(slottops[i]), twips(360), twips(answerheight));

        Command1[i] = named(new answerbutton(Frame2), indexed("Command1", i));
        Command1[i]->setFont(QFont(QStringLiteral("Comic Sans MS"), 10, QFont::Normal));
        Command1[i]->setGeometry(twips(answerleft), twips(slottops[i]), twips(answerwidth),
                                 twips(answerheight));
    }
    return Frame2;
}

QWidget *FormMain::createcontrolpanel()
{
    Frame4 = frame("Frame4", QStringLiteral("Control Panel"));
    auto *layout = new QGridLayout(Frame4);
    const std::array<QString, 4> captions{QStringLiteral("&Flash "), QStringLiteral("&Next"),
                                          QStringLiteral("&Previous"),
                                          QStringLiteral("Net &Search")};
    const std::array<QString, 4> labels{QStringLiteral("Flash Word:"), QStringLiteral("Next Word:"),
                                        QStringLiteral("Previous Word:"),
                                        QStringLiteral("Online Dictionary:")};
    for (int i = 0; i < 4; ++i) {
        Command2[i] = named(new QPushButton(captions[i]), indexed("Command2", i));
        Label111[i] = named(new QLabel(labels[i]), indexed("Label111", i));
        Label111[i]->setBuddy(Command2[i]);
        layout->addWidget(Label111[i], i, 0);
        layout->addWidget(Command2[i], i, 2);
    }
    combdict = named(new QComboBox, QStringLiteral("combdict"));
    combdict->setEditable(true);
    for (const platform::lookupservice &service : platform::dictionaryservices())
        combdict->addItem(service.label);
    combdict->setCurrentText(QStringLiteral("Webster"));
    combdict->setAccessibleName(QStringLiteral("Online dictionary"));
    layout->addWidget(combdict, 3, 1);
    Command10 =
        button("Command10", QStringLiteral("&Image Search"), QStringLiteral("Google Image Search"));
    layout->addWidget(Command10, 4, 2);
    Command9 = button("Command9", QStringLiteral("&Auto Mode"),
                      QStringLiteral("Set Program in Auto Mode to randomly display cards"));
    layout->addWidget(Command9, 4, 0);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(5, 1);
    return Frame4;
}

QWidget *FormMain::createscore()
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);

    Frame3 = frame("Frame3", QStringLiteral("Miscellaneous"));
    auto *score = new QGridLayout(Frame3);
    Label2 = named(new QLabel(QStringLiteral("Correctly Answered:")), QStringLiteral("Label2"));
    Label3 = named(new QLabel(QStringLiteral("Incorrectly Answered:")), QStringLiteral("Label3"));
    Label4 = named(new QLabel(QStringLiteral("Percentage:")), QStringLiteral("Label4"));
    Label5 = named(new QLabel, QStringLiteral("Label5"));
    Label6 = named(new QLabel, QStringLiteral("Label6"));
    Label7 = named(new QLabel, QStringLiteral("Label7"));
    const std::array<QLabel *, 3> captions{Label2, Label3, Label4};
    const std::array<QLabel *, 3> values{Label5, Label6, Label7};
    for (int i = 0; i < 3; ++i) {
        captions[i]->setBuddy(values[i]);
        values[i]->setMinimumWidth(twips(900));
        values[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        score->addWidget(captions[i], i, 0);
        score->addWidget(values[i], i, 1);
    }
    layout->addWidget(Frame3, 1);

    Frame5 = frame("Frame5", QStringLiteral("Results"));
    auto *results = new QHBoxLayout(Frame5);
    Label10 = named(new QLabel(QStringLiteral("Log:")), QStringLiteral("Label10"));
    Command3 = button("Command3", QStringLiteral("&View Log"), QStringLiteral("Score"));
    Label10->setBuddy(Command3);
    results->addWidget(Label10);
    results->addWidget(Command3);
    layout->addWidget(Frame5);
    return row;
}

QWidget *FormMain::createdescription()
{
    Frame6 = frame("Frame6", QStringLiteral("Description"));
    auto *layout = new QVBoxLayout(Frame6);
    Toolbar1 = named(new QToolBar, QStringLiteral("Toolbar1"));
    Toolbar1->setIconSize(QSize(20, 20));
    layout->addWidget(Toolbar1);

    RichTextBox1 = named(new QTextEdit, QStringLiteral("RichTextBox1"));
    RichTextBox1->setAccessibleName(QStringLiteral("Description"));
    RichTextBox1->setAcceptRichText(false);
    RichTextBox1->setMinimumHeight(twips(1200));
    RichTextBox1->setMaximumHeight(twips(2100));
    RichTextBox1->setFont(QFont(QStringLiteral("DejaVu Sans"), 11, QFont::Normal));
    // Locked until Edit, yet as readable as an unlocked box.
    QPalette colors = RichTextBox1->palette();
    for (const auto role : {QPalette::Text, QPalette::Base, QPalette::Window})
        colors.setColor(QPalette::Disabled, role, colors.color(QPalette::Active, role));
    RichTextBox1->setPalette(colors);
    RichTextBox1->setEnabled(false);
    // Hiding the description must not make the window jump.
    QSizePolicy policy = RichTextBox1->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    RichTextBox1->setSizePolicy(policy);
    layout->addWidget(RichTextBox1, 1);

    auto *buttons = new QHBoxLayout;
    Command4 = button("Command4", QStringLiteral("Sho&w "),
                      QStringLiteral("Show description to help you grasp the contextual "
                                     "meaning of the word."));
    Command5 = button("Command5", QStringLiteral("&Hide"),
                      QStringLiteral("Hide description to test your memory recall "));
    Command6 = button("Command6", QStringLiteral("&Edit"),
                      QStringLiteral("Add your own description by editing the text above"));
    Command7 =
        button("Command7", QStringLiteral("S&ave"), QStringLiteral("Save your description."));
    for (QPushButton *each : {Command4, Command5, Command6})
        buttons->addWidget(each);
    buttons->addStretch();
    buttons->addWidget(Command7);
    layout->addLayout(buttons);
    return Frame6;
}

void FormMain::createmenus()
{
    auto entry = [](QMenu *menu, const char *name, const QString &caption) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    auto menu = [this](const char *name, const QString &caption) {
        QMenu *result = menuBar()->addMenu(caption);
        result->setObjectName(QLatin1String(name));
        return result;
    };

    mnuFile = menu("mnuFile", QStringLiteral("&File"));
    mnuOpen = entry(mnuFile, "mnuOpen", QStringLiteral("&Open Custom XML Dictionary"));
    mnuOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnueditxml = entry(mnuFile, "mnueditxml", QStringLiteral("Edit &XML Dictionary"));
    mnuexit = entry(mnuFile, "mnuexit", QStringLiteral("E&xit"));

    mnuTool = menu("mnuTool", QStringLiteral("&Tool"));
    mnuOptions = entry(mnuTool, "mnuOptions", QStringLiteral("&Options"));

    mnuView = menu("mnuView", QStringLiteral("&View"));
    mnuList = entry(mnuView, "mnuList", QStringLiteral("&List Mode"));
    mnuFlash = entry(mnuView, "mnuFlash", QStringLiteral("&Flash Card Mode"));
    mnumemory = entry(mnuView, "mnumemory", QStringLiteral("&Memory Game"));

    mnuhelp = menu("mnuhelp", QStringLiteral("&Help"));
    mnucontents = entry(mnuhelp, "mnucontents", QStringLiteral("&Contents"));
    mnuxml = entry(mnuhelp, "mnuxml", QStringLiteral("Update XML wordlist"));
    mnuabout = entry(mnuhelp, "mnuabout", QStringLiteral("&About"));
}
