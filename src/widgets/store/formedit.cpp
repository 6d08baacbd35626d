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

using namespace core;

namespace widgets {

FormEdit::FormEdit(Dictionary &dictionary, platform::Services &services, QWidget *parent)
    : QMainWindow(parent), dictionary(dictionary), services(services)
{
    setObjectName(QStringLiteral("FormEdit"));
    setWindowTitle(tr("Edit XML Data File"));
    resize(760, 560);

    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    xmlBox = new QPlainTextEdit;
    xmlBox->setObjectName(QStringLiteral("Text1"));
    xmlBox->setAccessibleName(tr("Dictionary XML"));
    xmlBox->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    xmlBox->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(xmlBox, 1);
    auto *buttons = new QHBoxLayout;
    saveButton = new QPushButton(tr("&Save"));
    saveButton->setObjectName(QStringLiteral("Command2"));
    cancelButton = new QPushButton(tr("&Cancel"));
    cancelButton->setObjectName(QStringLiteral("Command1"));
    buttons->addStretch();
    buttons->addWidget(saveButton);
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons);
    setCentralWidget(central);
    setTabOrder(saveButton, cancelButton);

    fileMenu = menuBar()->addMenu(tr("&File"));
    fileMenu->setObjectName(QStringLiteral("mnufile"));
    saveAction = fileMenu->addAction(tr("&Save"));
    saveAction->setObjectName(QStringLiteral("mnusave"));
    exitAction = fileMenu->addAction(tr("E&xit"));
    exitAction->setObjectName(QStringLiteral("mnuexit"));

    connect(saveButton, &QPushButton::clicked, this, &FormEdit::save);
    connect(cancelButton, &QPushButton::clicked, this, &FormEdit::discardAndHide);
    platform::cancelOnEscape(this, cancelButton);
    connect(saveAction, &QAction::triggered, this, &FormEdit::save);
    connect(exitAction, &QAction::triggered, this, &FormEdit::discardAndHide);
    connect(&dictionary, &Dictionary::loaded, this, [this] {
        if (isVisible())
            showFile();
    });
    connect(&dictionary, &Dictionary::saved, this, &FormEdit::followSave);
}

void FormEdit::open()
{
    tell(tr("WARNING: Be careful not to CORRUPT the XML file struture while editing "
            "the GRE XML file. \r\nPreferably , Use the Update XML file feature in "
            "the Help menu to update the XML file"),
         platform::Icon::critical);
    showFile();
    show();
    raise();
    activateWindow();
}

void FormEdit::showFile()
{
    const QString path = dictionary.filePath();
    QString text;
    try {
        text = platform::readText(path);
    } catch (const platform::Error &failure) {
        tell(tr("%1. The editor starts with an empty text.").arg(failure.message()),
             platform::Icon::critical);
    }
    if (text.isEmpty() && QFileInfo::exists(path))
        tell(tr("The dictionary file %1 is empty.").arg(QDir::toNativeSeparators(path)),
             platform::Icon::information);
    xmlBox->setPlainText(text);
    xmlBox->document()->setModified(false);
    changedUnderEdit = false;
}

// A description saved while the editor is open is in the file: an untouched text shows it, so
// that the editor's Save cannot write the older text back over it.
void FormEdit::followSave()
{
    if (!isVisible())
        return;
    if (xmlBox->document()->isModified())
        changedUnderEdit = true;
    else
        showFile();
}

void FormEdit::tell(const QString &text, platform::Icon kind)
{
    services.dialogs->message(text, kind, platform::Buttons::ok);
}

void FormEdit::save()
{
    saveFile(xmlBox);
}

void FormEdit::discardAndHide()
{
    xmlBox->clear();
    hide();
}

void FormEdit::closeEvent(QCloseEvent *event)
{
    xmlBox->clear();
    event->accept();
}

void FormEdit::saveFile(QPlainTextEdit *passComponent)
{
    if (services.dialogs->message(tr("Update XML File ?"), platform::Icon::question,
                                  platform::Buttons::okCancel) != platform::Answer::ok)
        return;
    if (changedUnderEdit &&
        services.dialogs->message(
            tr("A description was saved into the dictionary file after the editor "
               "showed it. Saving writes this text over it. Save anyway?"),
            platform::Icon::question, platform::Buttons::okCancel) != platform::Answer::ok)
        return;
    // The text is checked before the file is touched, so a typing mistake cannot damage it.
    const EditorCheck checked = checkEditorText(passComponent->toPlainText());
    if (!checked.problem.isEmpty()) {
        tell(tr("%1 The file was not changed.").arg(checked.problem), platform::Icon::critical);
        return;
    }
    const WordLists &lists = checked.lists;
    try {
        dictionary.replaceEntries(*services.files, lists.words, lists.meanings, lists.usages,
                                  FinalLine::none);
    } catch (const platform::Error &failure) {
        tell(tr("The dictionary could not be saved; the file is unchanged. %1")
                 .arg(failure.message()),
             platform::Icon::critical);
        return;
    }
    passComponent->document()->setModified(false);
    changedUnderEdit = false;
    tell(tr("File Saved "), platform::Icon::information);
}

} // namespace widgets
