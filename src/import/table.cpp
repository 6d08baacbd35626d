// SPDX-License-Identifier: GPL-3.0-or-later
#include "table.h"

#include "htmltext.h"
#include "platform/error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <array>
#include <initializer_list>

namespace importer {

namespace {

using Names = std::initializer_list<const char *>;

const std::array<Names, 3> roleNames{{
    {"word", "front", "term", "expression", "vocabulary", "vocab", "headword", "question", "text"},
    {"meaning", "back", "definition", "translation", "answer", "gloss", "meanings", "definitions",
     "explanation"},
    {"usage", "example", "examples", "sentence", "sentences", "example sentence", "context"},
}};

// Columns Anki's header lines name for its own bookkeeping: never a word, meaning or usage.
const Names metadataNames{"tags", "deck", "notetype", "note type", "guid"};

bool matches(const QString &column, Names names, bool whole)
{
    const QString name = column.trimmed();
    return std::any_of(names.begin(), names.end(), [&](const char *known) {
        return whole ? name.compare(QLatin1String(known), Qt::CaseInsensitive) == 0
                     : name.contains(QLatin1String(known), Qt::CaseInsensitive);
    });
}

QString fieldText(const Table &table, const QStringList &row, int column)
{
    if (column < 0 || column >= row.size())
        return QString();
    return table.html ? htmlToText(row[column]) : plainText(row[column]);
}

} // namespace

QString Table::columnName(int column) const
{
    const QString name = column < columns.size() ? columns[column].trimmed() : QString();
    return name.isEmpty() ? QCoreApplication::translate("importer", "Column %1").arg(column + 1)
                          : name;
}

int Table::columnCount() const
{
    qsizetype count = columns.size();
    for (const QStringList &row : rows)
        count = std::max(count, row.size());
    return int(count);
}

Mapping guessMapping(const QStringList &columns)
{
    std::array<int, 3> chosen{-1, -1, -1};
    QList<bool> taken(columns.size(), false);
    for (qsizetype column = 0; column < columns.size(); ++column)
        taken[column] = matches(columns[column], metadataNames, true);
    const auto take = [&](size_t role, auto &&fits) {
        for (qsizetype column = 0; chosen[role] < 0 && column < columns.size(); ++column) {
            if (!taken[column] && fits(columns[column])) {
                chosen[role] = int(column);
                taken[column] = true;
            }
        }
    };
    for (const bool whole : {true, false})
        for (size_t role = 0; role < 3; ++role)
            take(role, [&](const QString &name) { return matches(name, roleNames[role], whole); });
    take(0, [](const QString &) { return true; });
    take(1, [](const QString &) { return true; });
    take(2, [](const QString &name) { return name.trimmed().isEmpty(); });
    return {chosen[0], chosen[1], chosen[2]};
}

bool looksLikeHeader(const QStringList &fields)
{
    const auto known = std::count_if(fields.begin(), fields.end(), [](const QString &field) {
        return matches(field, metadataNames, true) ||
               std::any_of(roleNames.begin(), roleNames.end(),
                           [&](Names names) { return matches(field, names, true); });
    });
    return known >= 2 || (known == 1 && fields.size() == 1);
}

QList<Entry> toEntries(const Table &table)
{
    return toEntries(table, table.mapping);
}

QList<Entry> toEntries(const Table &table, const Mapping &mapping)
{
    QList<Entry> entries;
    for (const QStringList &row : table.rows) {
        Entry entry{fieldText(table, row, mapping.word), fieldText(table, row, mapping.meaning),
                    fieldText(table, row, mapping.usage)};
        if (entry.word.isEmpty())
            continue;
        if (entries.size() == maxWords)
            throw platform::Error(platform::Error::overflow,
                                  QCoreApplication::translate(
                                      "importer", "The list has more than %1 words, more than a "
                                                  "dictionary can hold.")
                                      .arg(maxWords));
        entries.append(std::move(entry));
    }
    return entries;
}

QByteArray wordListBytes(const QString &path)
{
    constexpr qint64 largest = 256 * 1024 * 1024;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw platform::Error(platform::Error::io,
                              QCoreApplication::translate("importer", "Cannot read %1: %2")
                                  .arg(QDir::toNativeSeparators(path), file.errorString()));
    if (file.size() > largest)
        throw platform::Error(
            platform::Error::io,
            QCoreApplication::translate("importer", "%1 is too large for a word list (%2 MB).")
                .arg(QDir::toNativeSeparators(path))
                .arg(file.size() / (1024 * 1024)));
    return file.readAll();
}

} // namespace importer
