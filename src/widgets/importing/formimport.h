// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The import dialog: a word list from elsewhere (CSV/TSV, an Anki package, KVTML) shown
// before anything is written, its columns mapped to word, meaning and usage, and, once the
// learner confirms, written as a new dictionary in the XML folder. An Anki package's review
// history comes along only when the learner ticks the box for it.

#include "import/wordlistfile.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
namespace learning {
class LearnerMemory;
}
namespace platform {
struct Services;
}

namespace widgets {

class FormImport : public QDialog
{
    Q_OBJECT
public:
    FormImport(platform::Services &services, learning::LearnerMemory &memory,
               QWidget *parent = nullptr);

    // Reads the file and shows its first rows; throws platform::Error, showing nothing, when
    // it cannot be read.
    void preview(const QString &path);

signals:
    // The new dictionary was written; its stored path ("\XML\name.xml").
    void imported(const QString &storedPath);

private:
    void createControls();
    QWidget *createTextOptions();
    QWidget *createColumnChoices();
    void connectControls();
    static QString storedPath(const QString &name);
    // The name, or with a number after it when a dictionary of that name exists.
    QString freeName(const QString &wanted) const;
    void showFile();
    void rereadText();
    void showColumns();
    void showRows();
    void showEntries();
    // Why the entries cannot make a dictionary (no words, no meanings), or nothing.
    QString refusal(qsizetype withMeaning) const;
    importer::Mapping chosenMapping() const;
    void confirm();
    bool writeDictionary(const QString &target);
    void importReviews(const QString &fileName);

    platform::Services &services;
    learning::LearnerMemory &memory;
    QString sourcePath;
    importer::WordListFile file;
    importer::CsvOptions textOptions;
    QList<importer::Entry> entries;

    QLabel *fileLabel;
    QGroupBox *textOptionsBox;
    QComboBox *separatorChoice, *encodingChoice;
    QCheckBox *headerRowCheck;
    QComboBox *wordColumnChoice, *meaningColumnChoice, *usageColumnChoice;
    QTableWidget *previewTable;
    QLabel *entryCountLabel;
    QCheckBox *reviewHistoryCheck;
    QLineEdit *dictionaryNameBox;
    QDialogButtonBox *buttons;
    QPushButton *importButton;
};

} // namespace widgets
