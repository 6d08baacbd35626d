// SPDX-License-Identifier: GPL-3.0-or-later
#include "formresults.h"

#include "core/resultsrules.h"

#include "core/answerlog.h"
#include "platform/error.h"
#include "platform/paths.h"
#include "platform/services.h"
#include "platform/textfile.h"
#include "platform/widgets/escapekey.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

namespace {
const QColor lightgrey(192, 192, 192);
}

FormResults::FormResults(AnswerLog &log, platform::Services &services, QWidget *parent)
    : QMainWindow(parent), log(log), services(services)
{
    setObjectName(QStringLiteral("FormResults"));
    setWindowTitle(QStringLiteral("Results"));
    resize(680, 440);

    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    Frame1 = new QGroupBox(QStringLiteral("Results "));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto *framelayout = new QVBoxLayout(Frame1);
    Label1 = new QLabel(QStringLiteral("Your attempts for each word are shown below"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Text1 = new QPlainTextEdit;
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFont(QFont(QStringLiteral("Arial"), 10));
    Text1->setReadOnly(true);
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setAccessibleName(QStringLiteral("Answer log"));
    Label1->setBuddy(Text1);
    framelayout->addWidget(Label1);
    framelayout->addWidget(Text1, 1);
    layout->addWidget(Frame1, 1);

    auto *buttons = new QHBoxLayout;
    Command2[0] = new QPushButton(QStringLiteral("&Print"));
    Command2[1] = new QPushButton(QStringLiteral("&Save"));
    Command1 = new QPushButton(QStringLiteral("&Cancel"));
    Command2[0]->setObjectName(QStringLiteral("Command2(0)"));
    Command2[1]->setObjectName(QStringLiteral("Command2(1)"));
    Command1->setObjectName(QStringLiteral("Command1"));
    buttons->addWidget(Command2[0]);
    buttons->addWidget(Command2[1]);
    buttons->addStretch();
    buttons->addWidget(Command1);
    layout->addLayout(buttons);
    setCentralWidget(central);

    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuSave = mnuFile->addAction(QStringLiteral("&Save"));
    mnuSave->setObjectName(QStringLiteral("mnuSave"));
    mnuprint = mnuFile->addAction(QStringLiteral("&Print"));
    mnuprint->setObjectName(QStringLiteral("mnuprint"));

    for (int i = 0; i < 2; ++i)
        connect(Command2[i], &QPushButton::clicked, this, [this, i] { Command2_Click(i); });
    connect(Command1, &QPushButton::clicked, this, &FormResults::Command1_Click);
    // As Cancel, which keeps the log; the close box discards it.
    platform::cancelonescape(this, Command1);
    connect(mnuSave, &QAction::triggered, this, &FormResults::mnuSave_Click);
    connect(mnuprint, &QAction::triggered, this, &FormResults::mnuprint_Click);
    connect(&log, &AnswerLog::appended, this,
            [this](const AnswerLog::Entry &entry) { Text1->appendPlainText(entry.line()); });
    connect(&log, &AnswerLog::cleared, Text1, &QPlainTextEdit::clear);
    for (const AnswerLog::Entry &entry : log.entries())
        Text1->appendPlainText(entry.line());
}

void FormResults::Command1_Click()
{
    hide();
}

void FormResults::Command2_Click(int index)
{
    if (index == 0)
        mnuprint_Click();
    else
        mnuSave_Click();
}

void FormResults::mnuprint_Click()
{
    if (!services.printer->printimage(this))
        services.dialogs->message(QStringLiteral("Error in Printing"), platform::icon::critical,
                                  platform::buttons::ok);
}

void FormResults::mnuSave_Click()
{
    const QDateTime now = services.clock->now();
    const QString chosen = services.dialogs->savefilename(
        QStringLiteral("Save Log File"), QStringLiteral("Log Files (*.txt)"), logfilename(now),
        services.programPath(QStringLiteral("\\Logs")));
    // A cancelled picker leaves no name: the user changed their mind, nothing to say.
    if (chosen.isEmpty())
        return;
    if (chosen.trimmed().isEmpty()) {
        services.dialogs->message(QStringLiteral("Please enter a valid filename"),
                                  platform::icon::information, platform::buttons::ok);
        return;
    }
    const QString path = withtextextension(chosen);
    try {
        services.files->writeText(path, logfilecontent(datetimeline(now), log.text()));
    } catch (const vocabrix::error &failure) {
        services.dialogs->message(QStringLiteral("The log could not be saved. ") +
                                      failure.message(),
                                  platform::icon::critical, platform::buttons::ok);
        return;
    }
    services.dialogs->message(QStringLiteral("Log File Saved !"), platform::icon::information,
                              platform::buttons::ok);
    setbackground(services.dialogs->pickcolor(lightgrey).value_or(lightgrey));
}

void FormResults::setbackground(const QColor &color)
{
    QPalette colors = palette();
    colors.setColor(QPalette::Window, color);
    setPalette(colors);
    setAutoFillBackground(true);
}

void FormResults::unload()
{
    log.clear();
    setPalette(QPalette());
    setAutoFillBackground(false);
}

void FormResults::closeEvent(QCloseEvent *event)
{
    // Closing by the close box discards the log; the next use starts afresh.
    unload();
    event->accept();
}
