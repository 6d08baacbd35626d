// SPDX-License-Identifier: GPL-3.0-or-later
// Word lists in and out of the main window: File › Import Word List opens the import dialog
// on a chosen file, File › Export Word List writes the current dictionary as CSV.

#include "formmain.h"

#include "core/dictionarywriter.h"
#include "import/csvwriter.h"
#include "platform/error.h"
#include "platform/services.h"
#include "widgets/importing/formimport.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QShortcut>
#include <QStandardPaths>

using namespace core;

namespace widgets {

namespace {

QString documentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace

FormImport &FormMain::importWindow()
{
    if (!importDialog) {
        importDialog = std::make_unique<FormImport>(services, progress, this);
        // The dialog is modal, so the main window's F1 does not reach it.
        auto *helpKey = new QShortcut(QKeySequence::HelpContents, importDialog.get());
        connect(helpKey, &QShortcut::activated, this, [this] { showHelp(importDialog.get()); });
        connect(importDialog.get(), &FormImport::imported, this, [this](const QString &storedPath) {
            try {
                loadDictionary(storedPath);
            } catch (const platform::Error &failure) {
                services.dialogs->message(failure.message(), platform::Icon::critical,
                                          platform::Buttons::ok);
            }
        });
    }
    return *importDialog;
}

void FormMain::importWordList()
{
    const QString source = services.dialogs->openFileName(
        tr("Import Word List"),
        tr("Word lists (*.csv *.tsv *.txt *.apkg *.colpkg *.kvtml);;All files (*)"),
        documentsFolder());
    if (source.isEmpty())
        return;
    FormImport &dialog = importWindow();
    // A large package takes a moment to unpack.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        dialog.preview(source);
        QGuiApplication::restoreOverrideCursor();
    } catch (const platform::Error &failure) {
        QGuiApplication::restoreOverrideCursor();
        services.dialogs->message(failure.message(), platform::Icon::critical,
                                  platform::Buttons::ok);
        return;
    }
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

void FormMain::exportWordList()
{
    if (words.count() == 0) {
        services.dialogs->message(tr("There is no dictionary loaded to export."),
                                  platform::Icon::information, platform::Buttons::ok);
        return;
    }
    const QString name =
        QFileInfo(QString(words.path()).replace(QLatin1Char('\\'), QLatin1Char('/')))
            .completeBaseName();
    const QString target = services.dialogs->saveFileName(
        tr("Export Word List"), tr("CSV files (*.csv);;All files (*)"),
        name + QStringLiteral(".csv"), documentsFolder());
    if (target.isEmpty())
        return;
    // The heading describes the list and is no word; a first entry that is a word (a list
    // imported before lists had headings) goes along.
    QList<importer::Entry> entries;
    for (int position = isDictionaryHeading(words.word(0)) ? 1 : 0; position < words.count();
         ++position)
        entries.append({words.word(position), words.meaning(position), words.usage(position)});
    try {
        services.files->write(target, importer::csvBytes(entries));
    } catch (const platform::Error &failure) {
        services.dialogs->message(failure.message(), platform::Icon::critical,
                                  platform::Buttons::ok);
    }
}

} // namespace widgets
