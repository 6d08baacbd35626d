// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The dictionary file format: the texts of its word, meaning and usage elements, and the
// classic operations on a loaded dictionary that address an entry by a position given as text.

#include "dictionary.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace core {

// The adapter over a Dictionary with positions as decimal text: "2.5" reads position 2,
// "x" is a typeMismatch, a position beyond the list's end position is outOfRange.
class ReadXml
{
public:
    explicit ReadXml(Dictionary &dictionary);

    // Rebuild one list from the elements xmlTreeNode selects in the file (relative to the
    // program folder). A file that cannot be loaded leaves one empty position. More than 32767
    // elements throws overflow before the list is touched.
    void loadXmlWord(const QString &xmlTreeNode, const QString &filename);
    void loadXmlMeaning(const QString &xmlTreeNode, const QString &filename);
    void loadXmlUsage(const QString &xmlTreeNode, const QString &filename);
    // The three lists and the count of word elements from one parse of the file.
    qint16 loadXmlAll(const QString &filename);

    QString readWord(const QString &xmlNodeCount) const;
    QString readMeaning(const QString &xmlNodeCount) const;
    QString readUsage(const QString &xmlNodeCount) const;

    // Replace the text at a position, in memory only.
    void writeWord(const QString &xmlNodeCount, const QString &strTextToWrite);
    void writeMeaning(const QString &xmlNodeCount, const QString &strTextToWrite);
    void writeUsage(const QString &xmlNodeCount, const QString &strTextToWrite);

    // The number of elements xmlTreeNode selects; 0 when the file cannot be loaded.
    qint16 nodeCount(const QString &xmlTreeNode, const QString &filename) const;
    // A stored relative path under the program folder.
    QString filePath(const QString &filename) const;

private:
    QString read(Dictionary::Kind kind, const QString &xmlNodeCount) const;
    void write(Dictionary::Kind kind, const QString &xmlNodeCount, const QString &text);

    Dictionary &dictionary;
};

// A position given as text, rounded half to even ("2.5" is 2, "3.5" is 4).
int toPosition(const QString &text);

// The word, meaning and usage texts of a file, from one parse, counted in parses; empty lists
// when the file is missing, unreadable or malformed. Throws overflow beyond 32767 elements.
std::array<QStringList, 3> readEntries(const QString &path, int &parses);
// The two halves of readEntries: the file's bytes (nothing when it is missing or unreadable),
// and their entries.
std::optional<QByteArray> readDictionaryBytes(const QString &path);
std::array<QStringList, 3> parseEntries(const std::optional<QByteArray> &bytes);
// Whether the file holds these bytes now (or is still missing or unreadable), compared piece
// by piece without reading the whole file into memory again.
bool stillHolds(const QString &path, const std::optional<QByteArray> &bytes);

// The word, meaning and usage texts of a dictionary text, from one parse.
struct WordLists
{
    QStringList words, meanings, usages;
};
// Nothing when the text is not well-formed; then problem, if given, says why and on which
// line. Throws overflow beyond 32767 elements of a kind.
std::optional<WordLists> parseWordLists(const QString &xmlText, QString *problem = nullptr);

// The texts of the nodes an XPath expression selects in an XML text, in document order.
// Returns nothing when the text is not well-formed; throws overflow beyond 32767 nodes and
// parse for an invalid expression.
std::optional<QStringList> selectTexts(const QString &xmlText, const QString &xmlTreeNode);

} // namespace core
