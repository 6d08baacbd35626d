// SPDX-License-Identifier: GPL-3.0-or-later
#include "readxml.h"

#include "readxml.h"

#include "platform/paths.h"

#include "platform/error.h"
#include "platform/textfile.h"

#include <QFile>
#include <QLocale>
#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <pugixml.hpp>
#include <string_view>

using vocabrix::error;

namespace {

constexpr qsizetype maxelements = std::numeric_limits<qint16>::max();

std::unique_ptr<pugi::xml_document> parseutf8(const QByteArray &utf8, QString *problem = nullptr)
{
    auto document = std::make_unique<pugi::xml_document>();
    const qsizetype size = utf8.size();
    // Blanks between inline markup belong to the text ("a <i>b</i> <b>c</b>").
    const pugi::xml_parse_result result =
        document->load_buffer(utf8.constData(), size_t(size),
                              pugi::parse_default | pugi::parse_ws_pcdata, pugi::encoding_utf8);
    if (!result) {
        if (problem) {
            const qsizetype offset = std::clamp<qsizetype>(result.offset, 0, size);
            *problem = QStringLiteral("%1 (line %2)")
                           .arg(QString::fromUtf8(result.description()))
                           .arg(utf8.left(offset).count('\n') + 1);
        }
        return nullptr;
    }
    return document;
}

std::unique_ptr<pugi::xml_document> parsetext(const QString &text, QString *problem = nullptr)
{
    return parseutf8(text.toUtf8(), problem);
}

bool hasbyteordermark(const QByteArray &bytes)
{
    return bytes.startsWith("\xef\xbb\xbf") || bytes.startsWith("\xff\xfe") ||
           bytes.startsWith("\xfe\xff");
}

// Missing, unreadable and malformed files all read as "no document".
std::unique_ptr<pugi::xml_document> parsebytes(const std::optional<QByteArray> &bytes)
{
    if (!bytes)
        return nullptr;
    // Plain UTF-8, the common case, goes to the parser as it is.
    if (!hasbyteordermark(*bytes) && platform::isutf8(*bytes))
        return parseutf8(*bytes);
    return parsetext(platform::decodetext(*bytes));
}

std::unique_ptr<pugi::xml_document> parsefile(const QString &path)
{
    return parsebytes(readdictionarybytes(path));
}

pugi::xpath_node_set selectnodes(const pugi::xml_document &document, const QString &xmltreenode)
{
    try {
        const pugi::xpath_query query(xmltreenode.toUtf8().constData());
        pugi::xpath_node_set nodes = query.evaluate_node_set(document);
        nodes.sort();
        return nodes;
    } catch (const pugi::xpath_exception &failure) {
        throw error(error::parse, QStringLiteral("The selection \"%1\" is not valid: %2")
                                      .arg(xmltreenode, QString::fromUtf8(failure.what())));
    }
}

qint16 checkedcount(size_t count)
{
    if (count > size_t(maxelements))
        throw error(error::overflow,
                    QStringLiteral("The dictionary holds %1 elements of one kind; at most %2 "
                                   "are supported.")
                        .arg(count)
                        .arg(maxelements));
    return qint16(count);
}

// A zero-width no-break space (U+FEFF) that begins an element's text is part of the text, not a
// byte order mark; QString::fromUtf8 would drop it, and a save would lose it for good.
QString fromelementtext(const char *utf8, qsizetype size)
{
    if (size < 3 || std::memcmp(utf8, "\xef\xbb\xbf", 3) != 0)
        return QString::fromUtf8(utf8, size);
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                       QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(QByteArrayView(utf8, size));
}

bool isxmlspace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// White space at both ends is layout, not content, and is dropped.
QString trimmedtext(const char *begin, const char *end)
{
    while (begin < end && isxmlspace(*begin))
        ++begin;
    while (end > begin && isxmlspace(end[-1]))
        --end;
    return fromelementtext(begin, end - begin);
}

QString trimmedtext(const char *text)
{
    return trimmedtext(text, text + std::strlen(text));
}

bool istext(const pugi::xml_node &node)
{
    return node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata;
}

// The text of an element and everything inside it, markup removed. Walks the subtree without
// recursion so that deeply nested input cannot exhaust the stack.
QString textcontent(const pugi::xml_node &top)
{
    if (istext(top))
        return trimmedtext(top.value());
    const pugi::xml_node first = top.first_child();
    if (!first)
        return QString();
    if (istext(first) && !first.next_sibling())
        return trimmedtext(first.value());
    std::string text;
    for (pugi::xml_node node = first; node;) {
        if (istext(node))
            text += node.value();
        if (node.first_child()) {
            node = node.first_child();
            continue;
        }
        while (node != top && !node.next_sibling())
            node = node.parent();
        if (node == top)
            break;
        node = node.next_sibling();
    }
    return trimmedtext(text.data(), text.data() + text.size());
}

QString textcontent(const pugi::xpath_node &selected)
{
    if (selected.attribute())
        return trimmedtext(selected.attribute().value());
    return textcontent(selected.node());
}

QStringList texts(const pugi::xml_document &document, const QString &xmltreenode)
{
    const pugi::xpath_node_set nodes = selectnodes(document, xmltreenode);
    checkedcount(nodes.size());
    QStringList result;
    result.reserve(qsizetype(nodes.size()));
    for (const pugi::xpath_node &node : nodes)
        result.append(textcontent(node));
    return result;
}

// The texts of the word, meaning and usage elements at any depth, in document order, from one
// walk through the document: what "//word", "//meaning" and "//usage" select.
std::array<QStringList, 3> entrytexts(const pugi::xml_document &document)
{
    static constexpr std::array<const char *, 3> names{"word", "meaning", "usage"};
    std::array<QStringList, 3> found;
    for (pugi::xml_node node = document.first_child(); node;) {
        if (node.type() == pugi::node_element) {
            for (size_t kind = 0; kind < names.size(); ++kind) {
                if (std::strcmp(node.name(), names[kind]) == 0) {
                    checkedcount(size_t(found[kind].size()) + 1);
                    found[kind].append(textcontent(node));
                }
            }
        }
        if (node.first_child()) {
            node = node.first_child();
            continue;
        }
        while (node && !node.next_sibling())
            node = node.parent();
        if (node)
            node = node.next_sibling();
    }
    return found;
}

void loadlist(QStringList &list, const readxml &reader, const QString &xmltreenode,
              const QString &filename)
{
    const qint16 count = reader.nodecount(xmltreenode, filename);
    list = QStringList(count + 1);
    const auto document = parsefile(reader.filepath(filename));
    if (!document)
        return;
    const QStringList found = texts(*document, xmltreenode);
    // The file may have changed between the count and this parse; the count sizes the list.
    for (qsizetype i = 0; i < found.size() && i < count; ++i)
        list[i] = found[i];
}

std::optional<int> plaindigits(const QString &text)
{
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

qsizetype checkedposition(const QStringList &list, const QString &xmlnodecount)
{
    const int position = toposition(xmlnodecount);
    if (position < 0 || position >= list.size())
        throw error(error::outofrange,
                    QStringLiteral("Position %1 is outside the word list (0 to %2).")
                        .arg(position)
                        .arg(list.size() - 1));
    return position;
}

} // namespace

int toposition(const QString &text)
{
    // Plain whole numbers, what every caller passes, need no general number parsing.
    if (const std::optional<int> plain = plaindigits(text))
        return *plain;
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        throw error(error::typemismatch,
                    QStringLiteral("\"%1\" is not a position in the word list.").arg(text));
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<int>::min() || rounded > std::numeric_limits<int>::max())
        throw error(error::overflow, QStringLiteral("Position %1 is too large.").arg(text));
    return int(rounded);
}

std::optional<wordlists> parsewordlists(const QString &xmltext, QString *problem)
{
    const auto document = parsetext(xmltext, problem);
    if (!document)
        return std::nullopt;
    return wordlists{texts(*document, QStringLiteral("//word")),
                     texts(*document, QStringLiteral("//meaning")),
                     texts(*document, QStringLiteral("//usage"))};
}

std::optional<QStringList> selecttexts(const QString &xmltext, const QString &xmltreenode)
{
    const auto document = parsetext(xmltext);
    if (!document)
        return std::nullopt;
    return texts(*document, xmltreenode);
}

std::optional<QByteArray> readdictionarybytes(const QString &path)
{
    try {
        return platform::readbytes(path);
    } catch (const error &) {
        return std::nullopt;
    }
}

bool stillholds(const QString &path, const std::optional<QByteArray> &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return !bytes;
    if (!bytes || file.size() != bytes->size())
        return false;
    std::array<char, 1 << 16> piece;
    for (qsizetype offset = 0; offset < bytes->size();) {
        const qint64 got = file.read(piece.data(), qint64(piece.size()));
        if (got <= 0 || std::memcmp(piece.data(), bytes->constData() + offset, size_t(got)) != 0)
            return false;
        offset += qsizetype(got);
    }
    return file.read(piece.data(), 1) == 0;
}

std::array<QStringList, 3> parseentries(const std::optional<QByteArray> &bytes)
{
    const auto document = parsebytes(bytes);
    std::array<QStringList, 3> found;
    if (document)
        found = entrytexts(*document);
    return found;
}

std::array<QStringList, 3> readentries(const QString &path, int &parses)
{
    ++parses;
    return parseentries(readdictionarybytes(path));
}

readxml::readxml(Dictionary &dictionary) : dictionary(dictionary) {}

QString readxml::filepath(const QString &filename) const
{
    return platform::joinpath(dictionary.programFolder(), filename);
}

qint16 readxml::nodecount(const QString &xmltreenode, const QString &filename) const
{
    const auto document = parsefile(filepath(filename));
    if (!document)
        return 0;
    return checkedcount(selectnodes(*document, xmltreenode).size());
}

qint16 readxml::loadxmlall(const QString &filename)
{
    return dictionary.load(filename);
}

void readxml::loadxmlword(const QString &xmltreenode, const QString &filename)
{
    loadlist(dictionary.list(Dictionary::Words), *this, xmltreenode, filename);
}

void readxml::loadxmlmeaning(const QString &xmltreenode, const QString &filename)
{
    loadlist(dictionary.list(Dictionary::Meanings), *this, xmltreenode, filename);
}

void readxml::loadxmlusage(const QString &xmltreenode, const QString &filename)
{
    loadlist(dictionary.list(Dictionary::Usages), *this, xmltreenode, filename);
}

QString readxml::readword(const QString &xmlnodecount) const
{
    return read(Dictionary::Words, xmlnodecount);
}

QString readxml::readmeaning(const QString &xmlnodecount) const
{
    return read(Dictionary::Meanings, xmlnodecount);
}

QString readxml::readusage(const QString &xmlnodecount) const
{
    return read(Dictionary::Usages, xmlnodecount);
}

void readxml::writeword(const QString &xmlnodecount, const QString &strtexttowrite)
{
    write(Dictionary::Words, xmlnodecount, strtexttowrite);
}

void readxml::writemeaning(const QString &xmlnodecount, const QString &strtexttowrite)
{
    write(Dictionary::Meanings, xmlnodecount, strtexttowrite);
}

void readxml::writeusage(const QString &xmlnodecount, const QString &strtexttowrite)
{
    write(Dictionary::Usages, xmlnodecount, strtexttowrite);
}

QString readxml::read(Dictionary::Kind kind, const QString &xmlnodecount) const
{
    const QStringList &list = dictionary.list(kind);
    return list[checkedposition(list, xmlnodecount)];
}

void readxml::write(Dictionary::Kind kind, const QString &xmlnodecount, const QString &text)
{
    QStringList &list = dictionary.list(kind);
    list[checkedposition(list, xmlnodecount)] = text;
}
