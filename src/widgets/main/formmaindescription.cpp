// SPDX-License-Identifier: GPL-3.0-or-later
// The description area: the formatting toolbar, Show, Hide, Edit and Save.

#include "description.h"
#include "formmain.h"
#include "toolbaricons.h"

#include "core/readxml.h"
#include "platform/error.h"
#include "platform/services.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolBar>

using namespace core;

namespace widgets {

namespace {
// Each key names its button (object name, icon, action); translated, it is its text and tip.
const std::array<const char *, 8> toolbarKeys{QT_TRANSLATE_NOOP("widgets::FormMain", "Align Left"),
                                              QT_TRANSLATE_NOOP("widgets::FormMain", "Center"),
                                              QT_TRANSLATE_NOOP("widgets::FormMain", "Align Right"),
                                              QT_TRANSLATE_NOOP("widgets::FormMain", "Copy"),
                                              QT_TRANSLATE_NOOP("widgets::FormMain", "Cut"),
                                              QT_TRANSLATE_NOOP("widgets::FormMain", "Paste"),
                                              QT_TRANSLATE_NOOP("widgets::FormMain", "Italic"),
                                              QT_TRANSLATE_NOOP("widgets::FormMain", "Bold")};
} // namespace

void FormMain::createFormatToolbar()
{
    for (const char *each : toolbarKeys) {
        const QString key = QLatin1String(each);
        QAction *button = formatToolbar->addAction(toolbarIcon(key), tr(each));
        button->setObjectName(QStringLiteral("Toolbar1.") + key);
        button->setToolTip(tr(each));
        button->setData(key);
        connect(button, &QAction::triggered, this, [this, key] { formatDescription(key); });
        if (key == QLatin1String("Align Right") || key == QLatin1String("Paste"))
            formatToolbar->addSeparator();
    }
}

void FormMain::connectDescription()
{
    createFormatToolbar();
    connect(showButton, &QPushButton::clicked, this, [this] { descriptionBox->setVisible(true); });
    connect(hideButton, &QPushButton::clicked, this, [this] { descriptionBox->setVisible(false); });
    connect(editButton, &QPushButton::clicked, this, [this] { descriptionBox->setEnabled(true); });
    connect(saveButton, &QPushButton::clicked, this, &FormMain::saveDescription);
}

void FormMain::formatDescription(const QString &key)
{
    QClipboard *clipboard = QApplication::clipboard();
    if (key == QLatin1String("Align Left")) {
        descriptionBox->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
    } else if (key == QLatin1String("Center")) {
        descriptionBox->setAlignment(Qt::AlignHCenter);
    } else if (key == QLatin1String("Align Right")) {
        descriptionBox->setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    } else if (key == QLatin1String("Copy")) {
        clipboard->setText(descriptionBox->toPlainText());
    } else if (key == QLatin1String("Cut")) {
        QTextCursor cursor = descriptionBox->textCursor();
        clipboard->setText(cursor.selectedText().replace(QChar::ParagraphSeparator, u'\n'));
        cursor.removeSelectedText();
    } else if (key == QLatin1String("Paste")) {
        // Pasted text goes to the very end, whatever the caret or the selection.
        QTextCursor end(descriptionBox->document());
        end.movePosition(QTextCursor::End);
        end.insertText(clipboard->text());
    } else if (key == QLatin1String("Italic")) {
        QTextCharFormat format;
        format.setFontItalic(!selectionItalic(*descriptionBox));
        descriptionBox->mergeCurrentCharFormat(format);
    } else if (key == QLatin1String("Bold")) {
        QFont font = descriptionBox->font();
        font.setBold(!font.bold());
        descriptionBox->setFont(font);
    }
}

void FormMain::saveDescription()
{
    auto &dialogs = *services.dialogs;
    const int wordCount = words.count();
    const int currentWord = review.currentPosition();
    // Saving without an entry to save into would write a dictionary short of that entry, or
    // an empty one.
    if (wordCount <= 0 || currentWord < 0 || currentWord >= wordCount) {
        dialogs.message(wordCount <= 0 ? tr("There is no dictionary loaded, so there is no "
                                            "description to save.")
                                       : tr("The word on show is not an entry of the "
                                            "dictionary, so its description cannot be saved."),
                        platform::Icon::critical, platform::Buttons::ok);
        return;
    }
    ReadXml reader(words);
    const QString position = QString::number(currentWord);
    const QString text = descriptionBox->toPlainText();
    reader.writeUsage(position, text);
    if (dialogs.message(tr("Do you want to Save ? "), platform::Icon::question,
                        platform::Buttons::yesno) != platform::Answer::yes)
        return;
    reader.writeUsage(position, markedUsage(text, descriptionBox->font().bold(),
                                            selectionItalic(*descriptionBox)));
    try {
        words.save(*services.files, FinalLine::empty);
    } catch (const platform::Error &failure) {
        dialogs.message(tr("The description could not be saved; the dictionary "
                           "file is unchanged. %1")
                            .arg(failure.message()),
                        platform::Icon::critical, platform::Buttons::ok);
    }
}

} // namespace widgets
