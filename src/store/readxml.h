// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Access to the dictionary file: loads the texts of its word, meaning and usage elements into
// the shared lists, and reads and replaces single entries. It never writes to disk.

#include <QString>
#include <QStringList>
#include <optional>

class readxml
{
public:
    // Rebuild wordlist / meaninglist / usagelist from the elements xmltreenode selects in the
    // file (relative to the program folder). A file that cannot be loaded leaves one empty
    // position. More than 32767 elements throws overflow before the list is touched.
    void loadxmlword(const QString &xmltreenode, const QString &filename);
    void loadxmlmeaning(const QString &xmltreenode, const QString &filename);
    void loadxmlusage(const QString &xmltreenode, const QString &filename);

    // The text at a position given as decimal text; outofrange beyond the list's end position,
    // typemismatch for text that is not a number.
    QString readword(const QString &xmlnodecount) const;
    QString readmeaning(const QString &xmlnodecount) const;
    QString readusage(const QString &xmlnodecount) const;

    // Replace the text at a position, in memory only.
    void writeword(const QString &xmlnodecount, const QString &strtexttowrite);
    void writemeaning(const QString &xmlnodecount, const QString &strtexttowrite);
    void writeusage(const QString &xmlnodecount, const QString &strtexttowrite);

    // The three loads and the count of word elements from one parse of the file. Throws
    // overflow before any list changes when a kind has more than 32767 elements.
    qint16 loadxmlall(const QString &filename);

    // How many times any file or text has been parsed (tests check loads parse once).
    static int parsecount();

    // The number of elements xmltreenode selects; 0 when the file cannot be loaded.
    qint16 nodecount(const QString &xmltreenode, const QString &filename) const;
};

// A position given as text, rounded half to even ("2.5" is 2, "3.5" is 4).
int toposition(const QString &text);

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
