// SPDX-License-Identifier: GPL-3.0-or-later
#include "pronunciations.h"

#include "sidelist.h"
#include "wordkey.h"

#include <QDir>
#include <QLoggingCategory>
#include <QStringList>
#include <algorithm>

namespace core {

Q_LOGGING_CATEGORY(pronunciationsLog, "vocabrix.pronunciations", QtWarningMsg)

namespace {

bool wellFormed(const QString &ipa)
{
    return ipa.size() > 2 && ipa.startsWith(QLatin1Char('/')) && ipa.endsWith(QLatin1Char('/')) &&
           !ipa.contains(QLatin1Char('\n')) && !ipa.contains(QLatin1Char('\r')) &&
           !ipa.contains(QLatin1Char('\t'));
}

} // namespace

QString Pronunciations::pathFor(const QString &dictionaryFile)
{
    return sidelist::pathFor(dictionaryFile, QStringLiteral(".ipa.tsv"));
}

Pronunciations Pronunciations::read(const QString &path)
{
    const std::optional<QByteArray> bytes =
        sidelist::read(path, pronunciationsLog, "a list of IPA");
    return bytes ? fromText(*bytes, QDir::toNativeSeparators(path)) : Pronunciations();
}

Pronunciations Pronunciations::fromText(const QByteArray &bytes, const QString &name)
{
    const std::optional<QList<sidelist::Line>> lines =
        sidelist::lines(bytes, name, pronunciationsLog);
    if (!lines)
        return {};
    Pronunciations result;
    for (const sidelist::Line &line : *lines) {
        const QStringList fields = line.text.trimmed().split(QLatin1Char('\t'));
        if (fields.size() != 2 || !wellFormed(fields[1].trimmed())) {
            qCWarning(pronunciationsLog).noquote()
                << name << "line" << line.number
                << "is not a word and its IPA; the file is ignored";
            return {};
        }
        result.insert(fields[0], fields[1].trimmed());
    }
    return result;
}

QString Pronunciations::of(const QString &word) const
{
    return entries.value(wordKey(word));
}

void Pronunciations::insert(const QString &word, const QString &ipa)
{
    const QString key = wordKey(word);
    if (!key.isEmpty() && !key.contains(QLatin1Char('\t')) && wellFormed(ipa))
        entries.insert(key, ipa);
}

QByteArray Pronunciations::bytes() const
{
    QStringList words = entries.keys();
    std::sort(words.begin(), words.end());
    QString text;
    for (const QString &word : std::as_const(words))
        text += word + QLatin1Char('\t') + entries.value(word) + QStringLiteral("\r\n");
    return text.toUtf8();
}

} // namespace core
