// SPDX-License-Identifier: GPL-3.0-or-later
#include "confusables.h"

#include "platform/textfile.h"
#include "wordkey.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(confusableslog, "vocabrix.confusables", QtWarningMsg)

namespace {

// Far above what a 32767-word list with a dozen distractors each needs.
constexpr qint64 largestFile = 16 * 1024 * 1024;

} // namespace

QString Confusables::pathFor(const QString &dictionaryFile)
{
    const QFileInfo info(dictionaryFile);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".confusables.tsv"));
}

Confusables Confusables::read(const QString &dictionaryFile)
{
    const QString path = pathFor(dictionaryFile);
    QFile file(path);
    if (!file.exists())
        return {};
    const QString name = QDir::toNativeSeparators(path);
    if (file.size() > largestFile) {
        qCWarning(confusableslog).noquote() << name << "is too large to be a distractor list";
        return {};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(confusableslog).noquote() << name << "cannot be read:" << file.errorString();
        return {};
    }
    return fromText(file.readAll(), name);
}

Confusables Confusables::fromText(const QByteArray &bytes, const QString &name)
{
    Confusables result;
    if (bytes.contains('\0') || !platform::isutf8(bytes)) {
        qCWarning(confusableslog).noquote() << name << "is not UTF-8 text; it is ignored";
        return result;
    }
    const QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    for (qsizetype number = 0; number < lines.size(); ++number) {
        const QString line = lines[number].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        QStringList fields = lines[number].split(QLatin1Char('\t'));
        if (fields.size() < 2) {
            qCWarning(confusableslog).noquote()
                << name << "line" << number + 1 << "has no tab; the file is ignored";
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
    qCInfo(confusableslog).noquote()
        << "read distractors of" << result.lists.size() << "words from" << name;
    return result;
}

QStringList Confusables::of(const QString &word) const
{
    return lists.value(wordKey(word));
}
