// SPDX-License-Identifier: GPL-3.0-or-later
#include "pronunciations.h"

#include "platform/textfile.h"
#include "wordkey.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QStringList>
#include <algorithm>

Q_LOGGING_CATEGORY(pronunciationslog, "vocabrix.pronunciations", QtWarningMsg)

namespace {

// Far above what a 32767-word list needs.
constexpr qint64 largestFile = 16 * 1024 * 1024;

bool wellFormed(const QString &ipa)
{
    return ipa.size() > 2 && ipa.startsWith(QLatin1Char('/')) && ipa.endsWith(QLatin1Char('/')) &&
           !ipa.contains(QLatin1Char('\n')) && !ipa.contains(QLatin1Char('\r')) &&
           !ipa.contains(QLatin1Char('\t'));
}

} // namespace

QString Pronunciations::pathFor(const QString &dictionaryFile)
{
    const QFileInfo info(dictionaryFile);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".ipa.tsv"));
}

Pronunciations Pronunciations::read(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return {};
    const QString name = QDir::toNativeSeparators(path);
    if (file.size() > largestFile) {
        qCWarning(pronunciationslog).noquote() << name << "is too large to be a list of IPA";
        return {};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(pronunciationslog).noquote() << name << "cannot be read:" << file.errorString();
        return {};
    }
    return fromText(file.readAll(), name);
}

Pronunciations Pronunciations::fromText(const QByteArray &bytes, const QString &name)
{
    Pronunciations result;
    if (bytes.contains('\0') || !platform::isutf8(bytes)) {
        qCWarning(pronunciationslog).noquote() << name << "is not UTF-8 text; it is ignored";
        return result;
    }
    const QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    for (qsizetype number = 0; number < lines.size(); ++number) {
        const QString line = lines[number].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() != 2 || !wellFormed(fields[1].trimmed())) {
            qCWarning(pronunciationslog).noquote()
                << name << "line" << number + 1 << "is not a word and its IPA; the file is ignored";
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
