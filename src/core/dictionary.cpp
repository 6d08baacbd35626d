// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary.h"

#include "readxml.h"

#include "platform/paths.h"
#include "platform/services.h"

Dictionary::Dictionary(QString programFolder, QObject *parent)
    : QObject(parent), folder(std::move(programFolder))
{
}

QString Dictionary::filePath() const
{
    return platform::joinpath(folder, storedPath);
}

qint16 Dictionary::load(const QString &stored)
{
    // An oversized file throws before the path or the lists change.
    std::array<QStringList, 3> found = readentries(platform::joinpath(folder, stored), parses);
    storedPath = stored;
    for (size_t kind = 0; kind < lists.size(); ++kind) {
        found[kind].append(QString());
        lists[kind] = std::move(found[kind]);
    }
    wordCount = qint16(lists[Words].size() - 1);
    emit loaded();
    return wordCount;
}

QString Dictionary::at(Kind kind, int position) const
{
    const QStringList &list = lists[kind];
    return position >= 0 && position < list.size() ? list[position] : QString();
}

void Dictionary::save(platform::files &files, finalline ending) const
{
    files.write(filePath(),
                dictionarybytes(lists[Words], lists[Meanings], lists[Usages], wordCount, ending));
}
