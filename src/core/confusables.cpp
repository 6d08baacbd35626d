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
    const std::optional<QList<sidelist::Line>> lines = sidelist::lines(bytes, name, confusablesLog);
    if (!lines)
        return {};
    Confusables result;
    for (const sidelist::Line &line : *lines) {
        QStringList fields = line.text.split(QLatin1Char('\t'));
        if (fields.size() < 2) {
            qCWarning(confusablesLog).noquote()
                << name << "line" << line.number << "has no tab; the file is ignored";
            return {};
        }
        const QString word = wordKey(fields.takeFirst());
        QStringList &distractors = result.lists[word];
        for (const QString &field : std::as_const(fields)) {
            const QString distractor = field.trimmed();
            if (!distractor.isEmpty() && wordKey(distractor) != word)
                distractors << distractor;
        }
    }
    qCInfo(confusablesLog).noquote()
        << "read distractors of" << result.lists.size() << "words from" << name;
    return result;
}

QStringList Confusables::of(const QString &word) const
{
    return lists.value(wordKey(word));
}

} // namespace core
