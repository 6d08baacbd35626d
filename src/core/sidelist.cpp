// SPDX-License-Identifier: GPL-3.0-or-later
#include "sidelist.h"

#include "platform/textfile.h"
#include "wordkey.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace core {

namespace sidelist {

namespace {

// Far above what a 32767-word list with a dozen fields a word needs.
constexpr qint64 largestFile = 16 * 1024 * 1024;

} // namespace

QString pathFor(const QString &dictionaryFile, const QString &suffix)
{
    const QFileInfo info(dictionaryFile);
    return info.dir().filePath(info.completeBaseName() + suffix);
}

std::optional<QByteArray> read(const QString &path, QMessageLogger::CategoryFunction log,
                               const char *what)
{
    QFile file(path);
    if (!file.exists())
        return std::nullopt;
    const QString name = QDir::toNativeSeparators(path);
    if (file.size() > largestFile) {
        qCWarning(log).noquote() << name << "is too large to be" << what;
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(log).noquote() << name << "cannot be read:" << file.errorString();
        return std::nullopt;
    }
    return file.readAll();
}

std::optional<QList<Line>> lines(const QByteArray &bytes, const QString &name,
                                 QMessageLogger::CategoryFunction log)
{
    if (bytes.contains('\0') || !platform::isUtf8(bytes)) {
        qCWarning(log).noquote() << name << "is not UTF-8 text; it is ignored";
        return std::nullopt;
    }
    QList<Line> found;
    const QStringList all = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    for (qsizetype number = 0; number < all.size(); ++number) {
        const QString trimmed = all[number].trimmed();
        if (!trimmed.isEmpty() && !trimmed.startsWith(QLatin1Char('#')))
            found.append({number + 1, all[number]});
    }
    return found;
}

std::optional<QHash<QString, QStringList>> wordLists(const QByteArray &bytes, const QString &name,
                                                     QMessageLogger::CategoryFunction log)
{
    const std::optional<QList<Line>> all = lines(bytes, name, log);
    if (!all)
        return std::nullopt;
    QHash<QString, QStringList> lists;
    for (const Line &line : *all) {
        QStringList fields = line.text.split(QLatin1Char('\t'));
        if (fields.size() < 2) {
            qCWarning(log).noquote()
                << name << "line" << line.number << "has no tab; the file is ignored";
            return std::nullopt;
        }
        const QString word = wordKey(fields.takeFirst());
        QStringList &related = lists[word];
        for (const QString &field : std::as_const(fields)) {
            const QString other = field.trimmed();
            if (!other.isEmpty() && wordKey(other) != word)
                related << other;
        }
    }
    return lists;
}

} // namespace sidelist

} // namespace core
