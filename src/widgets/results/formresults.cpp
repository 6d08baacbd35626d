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

using namespace core;

namespace widgets {

namespace {
const QColor lightGrey(192, 192, 192);
}

FormResults::FormResults(AnswerLog &log, platform::Services &services, QWidget *parent)
    : QMainWindow(parent), log(log), services(services)
{
    setObjectName(QStringLiteral("FormResults"));
    setWindowTitle(tr("Results"));
    resize(680, 440);

    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    logFrame = new QGroupBox(tr("Results "));
    logFrame->setObjectName(QStringLiteral("Frame1"));
    auto *frameLayout = new QVBoxLayout(logFrame);
    logCaption = new QLabel(tr("Your attempts for each word are shown below"));
    logCaption->setObjectName(QStringLiteral("Label1"));
    logBox = new QPlainTextEdit;
    logBox->setObjectName(QStringLiteral("Text1"));
    logBox->setFont(QFont(QStringLiteral("Arial"), 10));
    logBox->setReadOnly(true);
    logBox->setLineWrapMode(QPlainTextEdit::NoWrap);
    logBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    logBox->setAccessibleName(tr("Answer log"));
    logCaption->setBuddy(logBox);
    frameLayout->addWidget(logCaption);
    frameLayout->addWidget(logBox, 1);
    layout->addWidget(logFrame, 1);

    auto *buttons = new QHBoxLayout;
    fileButtons[0] = new QPushButton(tr("&Print"));
    fileButtons[1] = new QPushButton(tr("&Save"));
    cancelButton = new QPushButton(tr("&Cancel"));
    fileButtons[0]->setObjectName(QStringLiteral("Command2(0)"));
    fileButtons[1]->setObjectName(QStringLiteral("Command2(1)"));
    cancelButton->setObjectName(QStringLiteral("Command1"));
    buttons->addWidget(fileButtons[0]);
    buttons->addWidget(fileButtons[1]);
    buttons->addStretch();
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons);
    setCentralWidget(central);

    fileMenu = menuBar()->addMenu(tr("&File"));
    fileMenu->setObjectName(QStringLiteral("mnuFile"));
    saveAction = fileMenu->addAction(tr("&Save"));
    saveAction->setObjectName(QStringLiteral("mnuSave"));
    printAction = fileMenu->addAction(tr("&Print"));
    printAction->setObjectName(QStringLiteral("mnuprint"));

    connect(fileButtons[0], &QPushButton::clicked, this, &FormResults::printLog);
    connect(fileButtons[1], &QPushButton::clicked, this, &FormResults::saveLog);
    connect(cancelButton, &QPushButton::clicked, this, &FormResults::cancel);
    // As Cancel, which keeps the log; the close box discards it.
    platform::cancelOnEscape(this, cancelButton);
    connect(saveAction, &QAction::triggered, this, &FormResults::saveLog);
    connect(printAction, &QAction::triggered, this, &FormResults::printLog);
    connect(&log, &AnswerLog::appended, this,
            [this](const AnswerLog::Entry &entry) { logBox->appendPlainText(entry.line()); });
    connect(&log, &AnswerLog::cleared, logBox, &QPlainTextEdit::clear);
    for (const AnswerLog::Entry &entry : log.entries())
        logBox->appendPlainText(entry.line());
}

void FormResults::cancel()
{
    hide();
}

void FormResults::printLog()
{
    if (!services.printer->printImage(this))
        services.dialogs->message(tr("Error in Printing"), platform::Icon::critical,
                                  platform::Buttons::ok);
}

void FormResults::saveLog()
{
    const QDateTime now = services.clock->now();
    const QString chosen = services.dialogs->saveFileName(
        tr("Save Log File"), tr("Log Files (*.txt)"), logFileName(now),
        services.programPath(QStringLiteral("\\Logs")));
    // A cancelled picker leaves no name: the user changed their mind, nothing to say.
    if (chosen.isEmpty())
        return;
    if (chosen.trimmed().isEmpty()) {
        services.dialogs->message(tr("Please enter a valid filename"), platform::Icon::information,
                                  platform::Buttons::ok);
        return;
    }
    const QString path = withTextExtension(chosen);
    try {
        services.files->writeText(path, logFileContent(dateTimeLine(now), log.text()));
    } catch (const platform::Error &failure) {
        services.dialogs->message(tr("The log could not be saved. %1").arg(failure.message()),
                                  platform::Icon::critical, platform::Buttons::ok);
        return;
    }
    services.dialogs->message(tr("Log File Saved !"), platform::Icon::information,
                              platform::Buttons::ok);
    setBackground(services.dialogs->pickColor(lightGrey).value_or(lightGrey));
}

void FormResults::setBackground(const QColor &color)
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

} // namespace widgets
