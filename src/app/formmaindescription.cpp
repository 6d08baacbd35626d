// SPDX-License-Identifier: GPL-3.0-or-later
// The description area: the formatting toolbar, Show, Hide, Edit and Save.

#include "description.h"
#include "formmain.h"
#include "toolbaricons.h"

#include "../modglobal.h"
#include "../platform/error.h"
#include "../platform/paths.h"
#include "../platform/services.h"
#include "../store/dictionarywriter.h"
#include "../store/readxml.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolBar>

namespace {
const std::array<const char *, 8> toolbarkeys{"Align Left", "Center", "Align Right", "Copy",
                                              "Cut",        "Paste",  "Italic",      "Bold"};
}

void FormMain::createtoolbar()
{
    for (const char *each : toolbarkeys) {
        const QString key = QLatin1String(each);
        QAction *button = Toolbar1->addAction(toolbaricon(key), key);
        button->setObjectName(QStringLiteral("Toolbar1.") + key);
        button->setToolTip(key);
        button->setData(key);
        connect(button, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
        if (key == QLatin1String("Align Right") || key == QLatin1String("Paste"))
            Toolbar1->addSeparator();
    }
}

void FormMain::connectdescription()
{
    createtoolbar();
    connect(Command4, &QPushButton::clicked, this, &FormMain::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &FormMain::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &FormMain::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &FormMain::Command7_Click);
}

void FormMain::Toolbar1_ButtonClick(const QString &key)
{
    QClipboard *clipboard = QApplication::clipboard();
    if (key == QLatin1String("Align Left")) {
        RichTextBox1->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
    } else if (key == QLatin1String("Center")) {
        RichTextBox1->setAlignment(Qt::AlignHCenter);
    } else if (key == QLatin1String("Align Right")) {
        RichTextBox1->setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    } else if (key == QLatin1String("Copy")) {
        clipboard->setText(RichTextBox1->toPlainText());
    } else if (key == QLatin1String("Cut")) {
        QTextCursor cursor = RichTextBox1->textCursor();
        clipboard->setText(cursor.selectedText().replace(QChar::ParagraphSeparator, u'\n'));
        cursor.removeSelectedText();
    } else if (key == QLatin1String("Paste")) {
        // Pasted text goes to the very end, whatever the caret or the selection.
        QTextCursor end(RichTextBox1->document());
        end.movePosition(QTextCursor::End);
        end.insertText(clipboard->text());
    } else if (key == QLatin1String("Italic")) {
        QTextCharFormat format;
        format.setFontItalic(!selectionitalic(*RichTextBox1));
        RichTextBox1->mergeCurrentCharFormat(format);
    } else if (key == QLatin1String("Bold")) {
        QFont font = RichTextBox1->font();
        font.setBold(!font.bold());
        RichTextBox1->setFont(font);
    }
}

void FormMain::Command4_Click()
{
    RichTextBox1->setVisible(true);
}

void FormMain::Command5_Click()
{
    RichTextBox1->setVisible(false);
}

void FormMain::Command6_Click()
{
    RichTextBox1->setEnabled(true);
}

void FormMain::Command7_Click()
{
    using namespace modglobal;
    auto &dialogs = *platform::services().dialogs;
    // Saving without an entry to save into would write a dictionary short of that entry, or
    // an empty one.
    if (wordcount <= 0 || currentword < 0 || currentword >= wordcount) {
        dialogs.message(wordcount <= 0
                            ? QStringLiteral("There is no dictionary loaded, so there is no "
                                             "description to save.")
                            : QStringLiteral("The word on show is not an entry of the "
                                             "dictionary, so its description cannot be saved."),
                        platform::icon::critical, platform::buttons::ok);
        return;
    }
    readxml &reader = xmlreader();
    const QString position = QString::number(currentword);
    const QString text = RichTextBox1->toPlainText();
    reader.writeusage(position, text);
    if (dialogs.message(QStringLiteral("Do you want to Save ? "), platform::icon::question,
                        platform::buttons::yesno) != platform::answer::yes)
        return;
    reader.writeusage(
        position, markedusage(text, RichTextBox1->font().bold(), selectionitalic(*RichTextBox1)));
    const QString path = platform::programpath(xmlfilepath);
    try {
        writedictionary(path, wordlist, meaninglist, usagelist, wordcount, finalline::empty);
    } catch (const vocabrix::error &failure) {
        dialogs.message(QStringLiteral("The description could not be saved; the dictionary "
                                       "file is unchanged. ") +
                            failure.message(),
                        platform::icon::critical, platform::buttons::ok);
    }
}
