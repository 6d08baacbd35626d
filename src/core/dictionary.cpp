// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary.h"

#include "readxml.h"

#include "platform/paths.h"
#include "platform/services.h"

#include <utility>

namespace core {

Dictionary::Dictionary(QString programFolder, QObject *parent)
    : QObject(parent), folder(std::move(programFolder))
{
}

QString Dictionary::filePath() const
{
    return platform::joinPath(folder, storedPath);
}

void Dictionary::prefetch(const QString &stored)
{
    pending.stored = stored;
    pending.result = std::async(std::launch::async, [path = platform::joinPath(folder, stored)] {
        Prefetched early{readDictionaryBytes(path), {}, {}};
        try {
            early.entries = parseEntries(early.bytes);
        } catch (...) {
            early.failure = std::current_exception();
        }
        return early;
    });
}

Dictionary::Entries Dictionary::read(const QString &stored)
{
    Prefetch taken = std::exchange(pending, Prefetch());
    const QString path = platform::joinPath(folder, stored);
    if (!taken.result.valid() || taken.stored != stored)
        return readEntries(path, parses);
    Prefetched early = taken.result.get();
    // The bytes, not the size and time stamp, tell a file written over since the prefetch.
    if (!stillHolds(path, early.bytes))
        return readEntries(path, parses);
    ++parses;
    if (early.failure)
        std::rethrow_exception(early.failure);
    return std::move(early.entries);
}

qint16 Dictionary::load(const QString &stored)
{
    // An oversized file throws before the path or the lists change.
    Entries found = read(stored);
    storedPath = stored;
    take(std::move(found));
    emit loaded();
    return wordCount;
}

void Dictionary::replaceEntries(platform::Files &files, const QStringList &newWords,
                                const QStringList &newMeanings, const QStringList &newUsages,
                                FinalLine ending)
{
    files.write(filePath(),
                dictionaryBytes(newWords, newMeanings, newUsages, int(newWords.size()), ending));
    take(readEntries(filePath(), parses));
    emit entriesReplaced();
}

void Dictionary::replaceFile(platform::Files &files, const QString &stored, const QByteArray &bytes)
{
    const QString path = platform::joinPath(folder, stored);
    files.write(path, bytes);
    if (storedPath.isEmpty() || path != filePath())
        return;
    take(readEntries(path, parses));
    emit entriesReplaced();
}

void Dictionary::take(Entries found)
{
    for (size_t kind = 0; kind < lists.size(); ++kind) {
        found[kind].append(QString());
        lists[kind] = std::move(found[kind]);
    }
    wordCount = qint16(lists[Words].size() - 1);
}

QString Dictionary::at(Kind kind, int position) const
{
    const QStringList &list = lists[kind];
    return position >= 0 && position < list.size() ? list[position] : QString();
}

void Dictionary::save(platform::Files &files, FinalLine ending)
{
    files.write(filePath(),
                dictionaryBytes(lists[Words], lists[Meanings], lists[Usages], wordCount, ending));
    emit saved();
}

void Dictionary::create(platform::Files &files, const QString &filePath, const QStringList &words,
                        const QStringList &meanings, const QStringList &usages)
{
    files.write(filePath,
                dictionaryBytes(words, meanings, usages, int(words.size()), FinalLine::empty));
}

} // namespace core
