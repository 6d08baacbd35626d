// SPDX-License-Identifier: GPL-3.0-or-later
#include "formimport.h"

#include "core/dictionary.h"
#include "core/dictionarywriter.h"
#include "import/htmltext.h"
#include "learning/learnermemory.h"
#include "learning/wordkey.h"
#include "platform/error.h"
#include "platform/services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

using namespace core;

namespace widgets {

namespace {

// Enough rows to recognise the list; the count says how many there are.
constexpr int previewRows = 50;

struct SeparatorName
{
    char16_t character;
    const char *name;
};

constexpr std::array<SeparatorName, 6> separatorNames{
    {{u',', QT_TRANSLATE_NOOP("widgets::FormImport", "Comma")},
     {u';', QT_TRANSLATE_NOOP("widgets::FormImport", "Semicolon")},
     {u'\t', QT_TRANSLATE_NOOP("widgets::FormImport", "Tab")},
     {u'|', QT_TRANSLATE_NOOP("widgets::FormImport", "Vertical bar")},
     {u':', QT_TRANSLATE_NOOP("widgets::FormImport", "Colon")},
     {u' ', QT_TRANSLATE_NOOP("widgets::FormImport", "Space")}}};

template <typename Control>
Control *named(Control *control, const char *name, const QString &spoken)
{
    control->setObjectName(QLatin1String(name));
    control->setAccessibleName(spoken);
    return control;
}

// A label that tells something: a screen reader reads what it shows.
void tell(QLabel *label, const QString &text)
{
    label->setText(text);
    label->setAccessibleName(text);
}

QLabel *buddyLabel(const QString &caption, QWidget *buddy)
{
    auto *label = new QLabel(caption);
    label->setBuddy(buddy);
    return label;
}

QString kindName(importer::FileKind kind)
{
    switch (kind) {
    case importer::FileKind::Anki:
        return FormImport::tr("Anki package");
    case importer::FileKind::Kvtml:
        return FormImport::tr("KDE vocabulary file (KVTML)");
    case importer::FileKind::Text:
        break;
    }
    return FormImport::tr("Text file");
}

// A column's name and, said in words so that it does not rest on a colour, the part it fills.
QString columnCaption(const QString &name, int column, const importer::Mapping &mapping)
{
    const std::array<std::pair<int, QString>, 3> parts{
        {{mapping.word, FormImport::tr("word")},
         {mapping.meaning, FormImport::tr("meaning")},
         {mapping.usage, FormImport::tr("usage")}}};
    for (const auto &[chosen, part] : parts) {
        if (chosen == column)
            return name.compare(part, Qt::CaseInsensitive) == 0
                       ? name
                       : FormImport::tr("%1 \u2192 %2").arg(name, part);
    }
    return name;
}

learning::Review toReview(const importer::ImportedReview &imported, const QString &dictionary)
{
    learning::Review review;
    review.word = learning::wordKey(imported.word);
    review.time = learning::Time(std::chrono::milliseconds(imported.time.toMSecsSinceEpoch()));
    review.rating = learning::Rating(imported.rating);
    review.source = QStringLiteral("anki");
    review.dictionary = dictionary;
    return review;
}

} // namespace

FormImport::FormImport(platform::Services &services, learning::LearnerMemory &memory,
                       QWidget *parent)
    : QDialog(parent), services(services), memory(memory)
{
    setObjectName(QStringLiteral("FormImport"));
    setWindowTitle(tr("Import Word List"));
    setAccessibleName(windowTitle());
    setModal(true);
    createControls();
    connectControls();
    resize(720, 560);
}

void FormImport::createControls()
{
    fileLabel = named(new QLabel, "fileLabel", tr("File"));
    fileLabel->setWordWrap(true);
    fileLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    previewTable = named(new QTableWidget, "previewTable", tr("First rows of the file"));
    previewTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    previewTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    previewTable->setWordWrap(false);
    previewTable->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    previewTable->horizontalHeader()->setStretchLastSection(true);

    entryCountLabel = named(new QLabel, "entryCountLabel", tr("Entries"));
    entryCountLabel->setWordWrap(true);
    reviewHistoryCheck = named(new QCheckBox, "reviewHistoryCheck", tr("Review history"));
    dictionaryNameBox = named(new QLineEdit, "dictionaryNameBox", tr("Name of the new dictionary"));
    dictionaryNameBox->setMaxLength(64);

    buttons = named(new QDialogButtonBox, "dialogButtons", tr("Import or cancel"));
    importButton = named(buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole),
                         "importButton", tr("Import"));
    importButton->setDefault(true);
    named(buttons->addButton(QDialogButtonBox::Cancel), "cancelButton", tr("Cancel"));

    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(buddyLabel(tr("New &dictionary name:"), dictionaryNameBox));
    nameRow->addWidget(dictionaryNameBox, 1);
    nameRow->addWidget(new QLabel(tr(".xml in the XML folder")));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fileLabel);
    layout->addWidget(createTextOptions());
    layout->addWidget(createColumnChoices());
    layout->addWidget(buddyLabel(tr("&First rows:"), previewTable));
    layout->addWidget(previewTable, 1);
    layout->addWidget(entryCountLabel);
    layout->addWidget(reviewHistoryCheck);
    layout->addLayout(nameRow);
    layout->addWidget(buttons);
}

QWidget *FormImport::createTextOptions()
{
    separatorChoice = named(new QComboBox, "separatorChoice", tr("Separator"));
    for (const SeparatorName &each : separatorNames)
        separatorChoice->addItem(tr(each.name), QChar(each.character));
    encodingChoice = named(new QComboBox, "encodingChoice", tr("Encoding"));
    encodingChoice->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    encodingChoice->addItem(QStringLiteral("UTF-8"), int(importer::TextEncoding::Utf8));
    encodingChoice->addItem(QStringLiteral("UTF-16"), int(importer::TextEncoding::Utf16));
    encodingChoice->addItem(tr("Windows-1252 (Western)"), int(importer::TextEncoding::Windows1252));
    headerRowCheck = named(new QCheckBox(tr("First row &names the columns")), "headerRowCheck",
                           tr("First row names the columns"));

    textOptionsBox = named(new QGroupBox(tr("Text file")), "textOptionsBox", tr("Text file"));
    auto *layout = new QHBoxLayout(textOptionsBox);
    layout->addWidget(buddyLabel(tr("&Separator:"), separatorChoice));
    layout->addWidget(separatorChoice);
    layout->addSpacing(12);
    layout->addWidget(buddyLabel(tr("&Encoding:"), encodingChoice));
    layout->addWidget(encodingChoice);
    layout->addSpacing(12);
    layout->addWidget(headerRowCheck);
    layout->addStretch();
    return textOptionsBox;
}

QWidget *FormImport::createColumnChoices()
{
    wordColumnChoice = named(new QComboBox, "wordColumnChoice", tr("Column of the words"));
    meaningColumnChoice = named(new QComboBox, "meaningColumnChoice", tr("Column of the meanings"));
    usageColumnChoice = named(new QComboBox, "usageColumnChoice", tr("Column of the usage"));
    auto *box = named(new QGroupBox(tr("Columns")), "columnsBox", tr("Columns"));
    auto *layout = new QHBoxLayout(box);
    const std::array<std::pair<QString, QComboBox *>, 3> choices{
        {{tr("&Word:"), wordColumnChoice},
         {tr("&Meaning:"), meaningColumnChoice},
         {tr("&Usage:"), usageColumnChoice}}};
    for (const auto &[caption, choice] : choices) {
        choice->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        layout->addWidget(buddyLabel(caption, choice));
        layout->addWidget(choice);
        layout->addSpacing(12);
    }
    layout->addStretch();
    return box;
}

void FormImport::connectControls()
{
    const auto activated = QOverload<int>::of(&QComboBox::activated);
    connect(separatorChoice, activated, this, [this] {
        textOptions.separator = separatorChoice->currentData().toChar();
        rereadText();
    });
    connect(encodingChoice, activated, this, [this] {
        textOptions.encoding = importer::TextEncoding(encodingChoice->currentData().toInt());
        rereadText();
    });
    connect(headerRowCheck, &QCheckBox::clicked, this, [this](bool checked) {
        textOptions.header = checked ? importer::HeaderRow::Present : importer::HeaderRow::Absent;
        rereadText();
    });
    for (QComboBox *choice : {wordColumnChoice, meaningColumnChoice, usageColumnChoice})
        connect(choice, activated, this, [this] {
            showRows();
            showEntries();
        });
    connect(dictionaryNameBox, &QLineEdit::textChanged, this, &FormImport::showEntries);
    connect(buttons, &QDialogButtonBox::accepted, this, &FormImport::confirm);
    connect(buttons, &QDialogButtonBox::rejected, this, &FormImport::reject);
}

void FormImport::preview(const QString &path)
{
    file = importer::readWordListFile(path);
    sourcePath = path;
    textOptions = {};
    dictionaryNameBox->setText(
        freeName(importer::dictionaryName(QFileInfo(path).completeBaseName())));
    reviewHistoryCheck->setChecked(false);
    showFile();
    dictionaryNameBox->setFocus();
    dictionaryNameBox->selectAll();
}

QString FormImport::storedPath(const QString &name)
{
    return QStringLiteral("\\XML\\%1.xml").arg(name);
}

QString FormImport::freeName(const QString &wanted) const
{
    const QString base = wanted.isEmpty() ? tr("Imported words") : wanted;
    QString name = base;
    for (int number = 2; QFileInfo::exists(services.programPath(storedPath(name))); ++number)
        name = QStringLiteral("%1 %2").arg(base).arg(number);
    return name;
}

void FormImport::showFile()
{
    const QFileInfo info(sourcePath);
    fileLabel->setText(
        tr("<b>%1</b> (%2)").arg(info.fileName().toHtmlEscaped(), kindName(file.kind)));
    fileLabel->setAccessibleName(tr("%1 (%2)").arg(info.fileName(), kindName(file.kind)));
    const bool text = file.kind == importer::FileKind::Text;
    textOptionsBox->setVisible(text);
    if (text) {
        int separator = separatorChoice->findData(file.separator);
        if (separator < 0) {
            separatorChoice->addItem(QStringLiteral("\u201c%1\u201d").arg(file.separator),
                                     file.separator);
            separator = separatorChoice->count() - 1;
        }
        separatorChoice->setCurrentIndex(separator);
        encodingChoice->setCurrentIndex(encodingChoice->findData(int(file.encoding)));
        headerRowCheck->setChecked(file.headerRow);
    }
    const qsizetype answers = file.reviews.size();
    reviewHistoryCheck->setVisible(answers > 0);
    reviewHistoryCheck->setText(
        tr("Bring along Anki's review history into your progress (answers: %1)").arg(answers));
    showColumns();
    showRows();
    showEntries();
}

void FormImport::rereadText()
{
    try {
        file = importer::readWordListFile(sourcePath, textOptions);
        showFile();
    } catch (const platform::Error &failure) {
        file.table = {};
        showColumns();
        showRows();
        entries.clear();
        tell(entryCountLabel, tr("The file cannot be read this way: %1").arg(failure.message()));
        importButton->setEnabled(false);
    }
}

void FormImport::showColumns()
{
    const importer::Table &table = file.table;
    const std::array<std::pair<QComboBox *, int>, 3> choices{
        {{wordColumnChoice, table.mapping.word},
         {meaningColumnChoice, table.mapping.meaning},
         {usageColumnChoice, table.mapping.usage}}};
    for (const auto &[choice, column] : choices) {
        choice->clear();
        choice->addItem(tr("(none)"), -1);
        for (int each = 0; each < table.columnCount(); ++each)
            choice->addItem(table.columnName(each), each);
        choice->setCurrentIndex(column + 1);
    }
}

importer::Mapping FormImport::chosenMapping() const
{
    return {wordColumnChoice->currentData().toInt(), meaningColumnChoice->currentData().toInt(),
            usageColumnChoice->currentData().toInt()};
}

void FormImport::showRows()
{
    const importer::Table &table = file.table;
    const importer::Mapping mapping = chosenMapping();
    const int columns = table.columnCount();
    const int rows = int(std::min<qsizetype>(table.rows.size(), previewRows));
    previewTable->clear();
    previewTable->setColumnCount(columns);
    previewTable->setRowCount(rows);
    for (int column = 0; column < columns; ++column) {
        previewTable->setHorizontalHeaderItem(
            column, new QTableWidgetItem(columnCaption(table.columnName(column), column, mapping)));
    }
    for (int row = 0; row < rows; ++row) {
        const QStringList &fields = table.rows[row];
        for (int column = 0; column < fields.size(); ++column) {
            const QString text = table.html ? importer::htmlToText(fields[column])
                                            : importer::plainText(fields[column]);
            previewTable->setItem(row, column, new QTableWidgetItem(text.left(200)));
        }
    }
    previewTable->resizeColumnsToContents();
    for (int column = 0; column < columns; ++column)
        previewTable->setColumnWidth(column, std::min(previewTable->columnWidth(column), 260));
}

QString FormImport::refusal(qsizetype withMeaning) const
{
    if (entries.isEmpty())
        return tr("No entries: choose the column that holds the words.");
    // The quiz asks for the meanings: a list without them would show blank choices.
    const int meaning = chosenMapping().meaning;
    if (meaning < 0)
        return tr("No meanings: choose the column that holds the meanings; the quiz asks for "
                  "them.");
    if (withMeaning == 0)
        return tr("No meanings: the column %1 is empty; choose the column that holds the "
                  "meanings.")
            .arg(file.table.columnName(meaning));
    return QString();
}

void FormImport::showEntries()
{
    QString problem;
    try {
        entries = importer::toEntries(file.table, chosenMapping());
        // A dictionary exported from here may bring its heading along; the new one has its own.
        entries.removeIf(
            [](const importer::Entry &entry) { return isDictionaryHeading(entry.word); });
    } catch (const platform::Error &failure) {
        entries.clear();
        problem = failure.message();
    }
    const auto withMeaning = std::count_if(entries.cbegin(), entries.cend(), [](const auto &entry) {
        return !entry.meaning.trimmed().isEmpty();
    });
    if (problem.isEmpty())
        problem = refusal(withMeaning);
    if (!problem.isEmpty()) {
        entries.clear();
        tell(entryCountLabel, problem);
    } else if (withMeaning < entries.size()) {
        tell(entryCountLabel, tr("Entries to import: %1 (%2 without a meaning)")
                                  .arg(entries.size())
                                  .arg(entries.size() - withMeaning));
    } else {
        tell(entryCountLabel, tr("Entries to import: %1").arg(entries.size()));
    }
    importButton->setEnabled(!entries.isEmpty() &&
                             !importer::dictionaryName(dictionaryNameBox->text()).isEmpty());
}

void FormImport::confirm()
{
    const QString name = importer::dictionaryName(dictionaryNameBox->text());
    if (entries.isEmpty() || name.isEmpty())
        return;
    const QString target = storedPath(name);
    if (QFileInfo::exists(services.programPath(target)) &&
        services.dialogs->message(
            tr("A dictionary named %1.xml exists already. Replace it with the imported words?")
                .arg(name),
            platform::Icon::question, platform::Buttons::yesno) != platform::Answer::yes) {
        dictionaryNameBox->setFocus();
        dictionaryNameBox->selectAll();
        return;
    }
    if (!writeDictionary(target))
        return;
    if (!file.reviews.isEmpty() && reviewHistoryCheck->isChecked())
        importReviews(name + QStringLiteral(".xml"));
    hide();
    emit imported(target);
}

bool FormImport::writeDictionary(const QString &target)
{
    // The first entry of a dictionary is never asked: it is the list's heading.
    QStringList words{dictionaryHeadingWord()};
    QStringList meanings{tr("%n words imported from %1", nullptr, int(entries.size()))
                             .arg(QFileInfo(sourcePath).fileName())};
    QStringList usages{QString()};
    for (const importer::Entry &entry : std::as_const(entries)) {
        words.append(entry.word);
        meanings.append(entry.meaning);
        usages.append(entry.usage);
    }
    try {
        Dictionary::create(*services.files, services.programPath(target), words, meanings, usages);
        return true;
    } catch (const platform::Error &failure) {
        services.dialogs->message(failure.message(), platform::Icon::critical,
                                  platform::Buttons::ok);
        return false;
    }
}

void FormImport::importReviews(const QString &fileName)
{
    QList<learning::Review> reviews;
    for (const importer::ImportedReview &each : file.importedReviews(chosenMapping()))
        reviews.append(toReview(each, fileName));
    try {
        memory.addReviews(reviews);
    } catch (const platform::Error &failure) {
        services.dialogs->message(
            tr("The words were imported, but not their review history: %1").arg(failure.message()),
            platform::Icon::exclamation, platform::Buttons::ok);
    }
}

} // namespace widgets
