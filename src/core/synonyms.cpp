// SPDX-License-Identifier: GPL-3.0-or-later
#include "synonyms.h"

#include "sidelist.h"
#include "wordkey.h"

#include <QDir>
#include <QLoggingCategory>
#include <algorithm>

namespace core {

Q_LOGGING_CATEGORY(synonymsLog, "vocabrix.synonyms", QtWarningMsg)

QString Synonyms::pathFor(const QString &dictionaryFile)
{
    return sidelist::pathFor(dictionaryFile, QStringLiteral(".synonyms.tsv"));
}

Synonyms Synonyms::read(const QString &dictionaryFile)
{
    const QString path = pathFor(dictionaryFile);
    const std::optional<QByteArray> bytes = sidelist::read(path, synonymsLog, "a synonym list");
    return bytes ? fromText(*bytes, QDir::toNativeSeparators(path)) : Synonyms();
}

Synonyms Synonyms::fromText(const QByteArray &bytes, const QString &name)
{
    std::optional<QHash<QString, QStringList>> lists =
        sidelist::wordLists(bytes, name, synonymsLog);
    Synonyms result;
    if (lists)
        result.lists = std::move(*lists);
    return result;
}

QStringList Synonyms::of(const QString &word) const
{
    return lists.value(wordKey(word));
}

bool Synonyms::pairs(const QString &a, const QString &b) const
{
    const QString keyA = wordKey(a), keyB = wordKey(b);
    const auto listed = [this](const QString &key, const QString &other) {
        const QStringList synonyms = lists.value(key);
        return std::any_of(synonyms.cbegin(), synonyms.cend(),
                           [&other](const QString &each) { return wordKey(each) == other; });
    };
    return listed(keyA, keyB) || listed(keyB, keyA);
}

} // namespace core
