// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The loaded dictionary: which file it is, its three lists and its word count. Every window
// reads the entries from here; only the load, the editor's save and the description change
// them, and only the dictionary writes a dictionary file (a new one too, see create).

#include "dictionarywriter.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <exception>
#include <future>
#include <optional>

namespace platform {
class Files;
}

namespace core {

class Dictionary : public QObject
{
    Q_OBJECT
public:
    enum Kind { Words, Meanings, Usages };

    explicit Dictionary(QString programFolder, QObject *parent = nullptr);

    // The file, relative to the program folder, as it is stored ("\XML\gre.xml").
    QString path() const { return storedPath; }
    QString filePath() const;
    QString programFolder() const { return folder; }

    // Makes the file at a stored path the current dictionary and reads its word, meaning and
    // usage elements in one parse. A file that is missing or malformed leaves one empty
    // position and a count of 0; more than 32767 elements of a kind throws overflow before
    // anything changes. Returns the number of words.
    qint16 load(const QString &stored);
    // Starts reading and parsing the file at a stored path on a worker thread, so that the next
    // load of it takes the result: the program reads its first dictionary while its window is
    // being built. A file written over in between is read again by the load.
    void prefetch(const QString &stored);

    // Each list holds the texts of its elements in document order plus one empty end position.
    const QStringList &list(Kind kind) const { return lists[kind]; }
    QStringList &list(Kind kind) { return lists[kind]; }
    const QStringList &words() const { return lists[Words]; }
    const QStringList &meanings() const { return lists[Meanings]; }
    const QStringList &usages() const { return lists[Usages]; }
    qint16 count() const { return wordCount; }

    // The text at a position, or the empty text where the list does not reach: windows show
    // what there is and go on.
    QString word(int position) const { return at(Words, position); }
    QString meaning(int position) const { return at(Meanings, position); }
    QString usage(int position) const { return at(Usages, position); }

    // Writes the whole dictionary, entries 0 to count - 1, over its file, and emits saved().
    // Throws platform::Error (io) and leaves the file as it was when it cannot be written.
    void save(platform::Files &files, FinalLine ending);

    // Writes these entries over the file and reads them back from it, so the dictionary is what
    // the file holds. Throws platform::Error (io) and leaves the file and the lists as they were
    // when it cannot be written.
    void replaceEntries(platform::Files &files, const QStringList &newWords,
                        const QStringList &newMeanings, const QStringList &newUsages,
                        FinalLine ending);

    // Writes a dictionary file's bytes as they came (the update's fresh default list) over the
    // file at a stored path. When that is the file loaded, the lists are read back from it
    // (entriesReplaced), so that no later save writes the old entries over it. Throws
    // platform::Error (io) and leaves the file and the lists as they were when it cannot be
    // written.
    void replaceFile(platform::Files &files, const QString &stored, const QByteArray &bytes);

    // Writes a new dictionary file (a path in the file system) with these entries, all of them,
    // in the program's own layout. Throws platform::Error (io) and leaves a file there as it
    // was when it cannot be written.
    static void create(platform::Files &files, const QString &filePath, const QStringList &words,
                       const QStringList &meanings, const QStringList &usages);

    // How many times a file was parsed by load (a load parses once).
    int parseCount() const { return parses; }

signals:
    // The lists were replaced by a load.
    void loaded();
    // The same file holds other entries now, and so do the lists: positions may have moved.
    void entriesReplaced();
    // The lists, as they are, were written over the file (a description was saved).
    void saved();

private:
    using Entries = std::array<QStringList, 3>;
    struct Prefetched
    {
        std::optional<QByteArray> bytes;
        Entries entries;
        std::exception_ptr failure;
    };
    struct Prefetch
    {
        QString stored;
        std::future<Prefetched> result;
    };

    QString at(Kind kind, int position) const;
    Entries read(const QString &stored);
    void take(Entries found);

    QString folder;
    QString storedPath;
    std::array<QStringList, 3> lists{QStringList(1), QStringList(1), QStringList(1)};
    qint16 wordCount = 0;
    int parses = 0;
    Prefetch pending;
};

} // namespace core
