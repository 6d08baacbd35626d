// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The dictionary file format: the texts of its word, meaning and usage elements, and the
// classic operations on a loaded dictionary that address an entry by a position given as text.

#include "dictionary.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// The adapter over a Dictionary with positions as decimal text: "2.5" reads position 2,
// "x" is a typemismatch, a position beyond the list's end position is outofrange.
class readxml
{
public:
    explicit readxml(Dictionary &dictionary);

    // Rebuild one list from the elements xmltreenode selects in the file (relative to the
    // program folder). A file that cannot be loaded leaves one empty position. More than 32767
    // elements throws overflow before the list is touched.
    void loadxmlword(const QString &xmltreenode, const QString &filename);
    void loadxmlmeaning(const QString &xmltreenode, const QString &filename);
    void loadxmlusage(const QString &xmltreenode, const QString &filename);
    // The three lists and the count of word elements from one parse of the file.
    qint16 loadxmlall(const QString &filename);

    QString readword(const QString &xmlnodecount) const;
    QString readmeaning(const QString &xmlnodecount) const;
    QString readusage(const QString &xmlnodecount) const;

    // Replace the text at a position, in memory only.
    void writeword(const QString &xmlnodecount, const QString &strtexttowrite);
    void writemeaning(const QString &xmlnodecount, const QString &strtexttowrite);
    void writeusage(const QString &xmlnodecount, const QString &strtexttowrite);

    // The number of elements xmltreenode selects; 0 when the file cannot be loaded.
    qint16 nodecount(const QString &xmltreenode, const QString &filename) const;
    // A stored relative path under the program folder.
    QString filepath(const QString &filename) const;

private:
    QString read(Dictionary::Kind kind, const QString &xmlnodecount) const;
    void write(Dictionary::Kind kind, const QString &xmlnodecount, const QString &text);

    Dictionary &dictionary;
};

// A position given as text, rounded half to even ("2.5" is 2, "3.5" is 4).
int toposition(const QString &text);

// The word, meaning and usage texts of a file, from one parse, counted in parses; empty lists
// when the file is missing, unreadable or malformed. Throws overflow beyond 32767 elements.
std::array<QStringList, 3> readentries(const QString &path, int &parses);
// The two halves of readentries: the file's bytes (nothing when it is missing or unreadable),
// and their entries.
std::optional<QByteArray> readdictionarybytes(const QString &path);
std::array<QStringList, 3> parseentries(const std::optional<QByteArray> &bytes);
// Whether the file holds these bytes now (or is still missing or unreadable), compared piece
// by piece without reading the whole file into memory again.
bool stillholds(const QString &path, const std::optional<QByteArray> &bytes);

// The word, meaning and usage texts of a dictionary text, from one parse.
struct wordlists
{
    QStringList words, meanings, usages;
};
// Nothing when the text is not well-formed; then problem, if given, says why and on which
// line. Throws overflow beyond 32767 elements of a kind.
std::optional<wordlists> parsewordlists(const QString &xmltext, QString *problem = nullptr);

// The texts of the nodes an XPath expression selects in an XML text, in document order.
// Returns nothing when the text is not well-formed; throws overflow beyond 32767 nodes and
// parse for an invalid expression.
std::optional<QStringList> selecttexts(const QString &xmltext, const QString &xmltreenode);
