// SPDX-License-Identifier: GPL-3.0-or-later
#include "formedit.h"

#include "core/dictionary.h"
#include "core/editorrules.h"
#include "platform/error.h"
#include "platform/paths.h"
#include "platform/services.h"
#include "platform/textfile.h"
#include "platform/widgets/escapekey.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

FormEdit::FormEdit(Dictionary &dictionary, platform::Services &services, QWidget *parent)
    : QMainWindow(parent), dictionary(dictionary), services(services)
{
    setObjectName(QStringLiteral("FormEdit"));
    setWindowTitle(QStringLiteral("Edit XML Data File"));
    resize(760, 560);

    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    Text1 = new QPlainTextEdit;
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(QStringLiteral("Dictionary XML"));
    Text1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(Text1, 1);
    auto *buttons = new QHBoxLayout;
    Command2 = new QPushButton(QStringLiteral("&Save"));
    Command2->setObjectName(QStringLiteral("Command2"));
    Command1 = new QPushButton(QStringLiteral("&Cancel"));
    Command1->setObjectName(QStringLiteral("Command1"));
    buttons->addStretch();
    buttons->addWidget(Command2);
    buttons->addWidget(Command1);
    layout->addLayout(buttons);
    setCentralWidget(central);
    setTabOrder(Command2, Command1);

    mnufile = menuBar()->addMenu(QStringLiteral("&File"));
    mnufile->setObjectName(QStringLiteral("mnufile"));
    mnusave = mnufile->addAction(QStringLiteral("&Save"));
    mnusave->setObjectName(QStringLiteral("mnusave"));
    mnuexit = mnufile->addAction(QStringLiteral("E&xit"));
    mnuexit->setObjectName(QStringLiteral("mnuexit"));

    connect(Command2, &QPushButton::clicked, this, &FormEdit::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &FormEdit::Command1_Click);
    platform::cancelonescape(this, Command1);
    connect(mnusave, &QAction::triggered, this, &FormEdit::mnusave_Click);
    connect(mnuexit, &QAction::triggered, this, &FormEdit::mnuexit_Click);
}

void FormEdit::Form_Load()
{
    tell(QStringLiteral("WARNING: Be careful not to CORRUPT the XML file struture while editing "
                        "the GRE XML file. \r\nPreferably , Use the Update XML file feature in "
                        "the Help menu to update the XML file"),
         platform::icon::critical);
    const QString path = dictionary.filePath();
    QString text;
    try {
        text = platform::readtext(path);
    } catch (const vocabrix::error &failure) {
        tell(failure.message() + QStringLiteral(". The editor starts with an empty text."),
             platform::icon::critical);
    }
    if (text.isEmpty() && QFileInfo::exists(path))
        tell(QStringLiteral("The dictionary file %1 is empty.").arg(QDir::toNativeSeparators(path)),
             platform::icon::information);
    Text1->setPlainText(text);
    show();
    raise();
    activateWindow();
}

void FormEdit::tell(const QString &text, platform::icon kind)
{
    services.dialogs->message(text, kind, platform::buttons::ok);
}

void FormEdit::Command1_Click()
{
    mnuexit_Click();
}

void FormEdit::Command2_Click()
{
    mnusave_Click();
}

void FormEdit::mnusave_Click()
{
    savefile(Text1);
}

void FormEdit::mnuexit_Click()
{
    Text1->clear();
    hide();
}

void FormEdit::closeEvent(QCloseEvent *event)
{
    Text1->clear();
    event->accept();
}

void FormEdit::savefile(QPlainTextEdit *passcomponent)
{
    if (services.dialogs->message(QStringLiteral("Update XML File ?"), platform::icon::question,
                                  platform::buttons::okcancel) != platform::answer::ok)
        return;
    // The text is checked before the file is touched, so a typing mistake cannot damage it.
    const editorcheck checked = checkeditortext(passcomponent->toPlainText());
    if (!checked.problem.isEmpty()) {
        tell(checked.problem + QStringLiteral(" The file was not changed."),
             platform::icon::critical);
        return;
    }
    const wordlists &lists = checked.lists;
    try {
        dictionary.replaceEntries(*services.files, lists.words, lists.meanings, lists.usages,
                                  finalline::none);
    } catch (const vocabrix::error &failure) {
        tell(QStringLiteral("The dictionary could not be saved; the file is unchanged. ") +
                 failure.message(),
             platform::icon::critical);
        return;
    }
    tell(QStringLiteral("File Saved "), platform::icon::information);
}
