// SPDX-License-Identifier: GPL-3.0-or-later
#include "confusables.h"

#include "sidelist.h"
#include "wordkey.h"

#include <QDir>
#include <QLoggingCategory>

namespace core {

Q_LOGGING_CATEGORY(confusablesLog, "vocabrix.confusables", QtWarningMsg)

QString Confusables::pathFor(const QString &dictionaryFile)
{
    return sidelist::pathFor(dictionaryFile, QStringLiteral(".confusables.tsv"));
}

Confusables Confusables::read(const QString &dictionaryFile)
{
    const QString path = pathFor(dictionaryFile);
    const std::optional<QByteArray> bytes =
        sidelist::read(path, confusablesLog, "a distractor list");
    return bytes ? fromText(*bytes, QDir::toNativeSeparators(path)) : Confusables();
}

Confusables Confusables::fromText(const QByteArray &bytes, const QString &name)
{
    std::optional<QHash<QString, QStringList>> lists =
        sidelist::wordLists(bytes, name, confusablesLog);
    if (!lists)
        return {};
    Confusables result;
    result.lists = std::move(*lists);
    qCInfo(confusablesLog).noquote()
        << "read distractors of" << result.lists.size() << "words from" << name;
    return result;
}

QStringList Confusables::of(const QString &word) const
{
    return lists.value(wordKey(word));
}

} // namespace core
