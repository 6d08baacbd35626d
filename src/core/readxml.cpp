// SPDX-License-Identifier: GPL-3.0-or-later
#include "readxml.h"

#include "readxml.h"

#include "platform/paths.h"

#include "platform/error.h"
#include "platform/textfile.h"

#include <QCoreApplication>
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

namespace core {

using platform::Error;

namespace {

constexpr qsizetype maxElements = std::numeric_limits<qint16>::max();

std::unique_ptr<pugi::xml_document> parseUtf8(const QByteArray &utf8, QString *problem = nullptr)
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
            *problem = QCoreApplication::translate("core", "%1 (line %2)")
                           .arg(QString::fromUtf8(result.description()))
                           .arg(utf8.left(offset).count('\n') + 1);
        }
        return nullptr;
    }
    return document;
}

std::unique_ptr<pugi::xml_document> parseText(const QString &text, QString *problem = nullptr)
{
    return parseUtf8(text.toUtf8(), problem);
}

bool hasByteOrderMark(const QByteArray &bytes)
{
    return bytes.startsWith("\xef\xbb\xbf") || bytes.startsWith("\xff\xfe") ||
           bytes.startsWith("\xfe\xff");
}

// Missing, unreadable and malformed files all read as "no document".
std::unique_ptr<pugi::xml_document> parseBytes(const std::optional<QByteArray> &bytes)
{
    if (!bytes)
        return nullptr;
    // Plain UTF-8, the common case, goes to the parser as it is.
    if (!hasByteOrderMark(*bytes) && platform::isUtf8(*bytes))
        return parseUtf8(*bytes);
    return parseText(platform::decodeText(*bytes));
}

std::unique_ptr<pugi::xml_document> parseFile(const QString &path)
{
    return parseBytes(readDictionaryBytes(path));
}

pugi::xpath_node_set selectNodes(const pugi::xml_document &document, const QString &xmlTreeNode)
{
    try {
        const pugi::xpath_query query(xmlTreeNode.toUtf8().constData());
        pugi::xpath_node_set nodes = query.evaluate_node_set(document);
        nodes.sort();
        return nodes;
    } catch (const pugi::xpath_exception &failure) {
        throw Error(Error::parse,
                    QCoreApplication::translate("core", "The selection \"%1\" is not valid: %2")
                        .arg(xmlTreeNode, QString::fromUtf8(failure.what())));
    }
}

qint16 checkedCount(size_t count)
{
    if (count > size_t(maxElements))
        throw Error(Error::overflow,
                    QCoreApplication::translate(
                        "core", "The dictionary holds %1 elements of one kind; at most %2 "
                                "are supported.")
                        .arg(count)
                        .arg(maxElements));
    return qint16(count);
}

// A zero-width no-break space (U+FEFF) that begins an element's text is part of the text, not a
// byte order mark; QString::fromUtf8 would drop it, and a save would lose it for good.
QString fromElementText(const char *utf8, qsizetype size)
{
    if (size < 3 || std::memcmp(utf8, "\xef\xbb\xbf", 3) != 0)
        return QString::fromUtf8(utf8, size);
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                       QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(QByteArrayView(utf8, size));
}

bool isXmlSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// White space at both ends is layout, not content, and is dropped.
QString trimmedText(const char *begin, const char *end)
{
    while (begin < end && isXmlSpace(*begin))
        ++begin;
    while (end > begin && isXmlSpace(end[-1]))
        --end;
    return fromElementText(begin, end - begin);
}

QString trimmedText(const char *text)
{
    return trimmedText(text, text + std::strlen(text));
}

bool isText(const pugi::xml_node &node)
{
    return node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata;
}

// The text of an element and everything inside it, markup removed. Walks the subtree without
// recursion so that deeply nested input cannot exhaust the stack.
QString textContent(const pugi::xml_node &top)
{
    if (isText(top))
        return trimmedText(top.value());
    const pugi::xml_node first = top.first_child();
    if (!first)
        return QString();
    if (isText(first) && !first.next_sibling())
        return trimmedText(first.value());
    std::string text;
    for (pugi::xml_node node = first; node;) {
        if (isText(node))
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
    return trimmedText(text.data(), text.data() + text.size());
}

QString textContent(const pugi::xpath_node &selected)
{
    if (selected.attribute())
        return trimmedText(selected.attribute().value());
    return textContent(selected.node());
}

QStringList texts(const pugi::xml_document &document, const QString &xmlTreeNode)
{
    const pugi::xpath_node_set nodes = selectNodes(document, xmlTreeNode);
    checkedCount(nodes.size());
    QStringList result;
    result.reserve(qsizetype(nodes.size()));
    for (const pugi::xpath_node &node : nodes)
        result.append(textContent(node));
    return result;
}

// The texts of the word, meaning and usage elements at any depth, in document order, from one
// walk through the document: what "//word", "//meaning" and "//usage" select.
std::array<QStringList, 3> entryTexts(const pugi::xml_document &document)
{
    static constexpr std::array<const char *, 3> names{"word", "meaning", "usage"};
    std::array<QStringList, 3> found;
    for (pugi::xml_node node = document.first_child(); node;) {
        if (node.type() == pugi::node_element) {
            for (size_t kind = 0; kind < names.size(); ++kind) {
                if (std::strcmp(node.name(), names[kind]) == 0) {
                    checkedCount(size_t(found[kind].size()) + 1);
                    found[kind].append(textContent(node));
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

void loadList(QStringList &list, const ReadXml &reader, const QString &xmlTreeNode,
              const QString &filename)
{
    const qint16 count = reader.nodeCount(xmlTreeNode, filename);
    list = QStringList(count + 1);
    const auto document = parseFile(reader.filePath(filename));
    if (!document)
        return;
    const QStringList found = texts(*document, xmlTreeNode);
    // The file may have changed between the count and this parse; the count sizes the list.
    for (qsizetype i = 0; i < found.size() && i < count; ++i)
        list[i] = found[i];
}

std::optional<int> plainDigits(const QString &text)
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

qsizetype checkedPosition(const QStringList &list, const QString &xmlNodeCount)
{
    const int position = toPosition(xmlNodeCount);
    if (position < 0 || position >= list.size())
        throw Error(
            Error::outOfRange,
            QCoreApplication::translate("core", "Position %1 is outside the word list (0 to %2).")
                .arg(position)
                .arg(list.size() - 1));
    return position;
}

} // namespace

int toPosition(const QString &text)
{
    // Plain whole numbers, what every caller passes, need no general number parsing.
    if (const std::optional<int> plain = plainDigits(text))
        return *plain;
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        throw Error(Error::typeMismatch, QCoreApplication::translate(
                                             "core", "\"%1\" is not a position in the word list.")
                                             .arg(text));
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<int>::min() || rounded > std::numeric_limits<int>::max())
        throw Error(Error::overflow,
                    QCoreApplication::translate("core", "Position %1 is too large.").arg(text));
    return int(rounded);
}

std::optional<WordLists> parseWordLists(const QString &xmlText, QString *problem)
{
    const auto document = parseText(xmlText, problem);
    if (!document)
        return std::nullopt;
    return WordLists{texts(*document, QStringLiteral("//word")),
                     texts(*document, QStringLiteral("//meaning")),
                     texts(*document, QStringLiteral("//usage"))};
}

std::optional<QStringList> selectTexts(const QString &xmlText, const QString &xmlTreeNode)
{
    const auto document = parseText(xmlText);
    if (!document)
        return std::nullopt;
    return texts(*document, xmlTreeNode);
}

std::optional<QByteArray> readDictionaryBytes(const QString &path)
{
    try {
        return platform::readBytes(path);
    } catch (const Error &) {
        return std::nullopt;
    }
}

bool stillHolds(const QString &path, const std::optional<QByteArray> &bytes)
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

std::array<QStringList, 3> parseEntries(const std::optional<QByteArray> &bytes)
{
    const auto document = parseBytes(bytes);
    std::array<QStringList, 3> found;
    if (document)
        found = entryTexts(*document);
    return found;
}

std::array<QStringList, 3> readEntries(const QString &path, int &parses)
{
    ++parses;
    return parseEntries(readDictionaryBytes(path));
}

ReadXml::ReadXml(Dictionary &dictionary) : dictionary(dictionary) {}

QString ReadXml::filePath(const QString &filename) const
{
    return platform::joinPath(dictionary.programFolder(), filename);
}

qint16 ReadXml::nodeCount(const QString &xmlTreeNode, const QString &filename) const
{
    const auto document = parseFile(filePath(filename));
    if (!document)
        return 0;
    return checkedCount(selectNodes(*document, xmlTreeNode).size());
}

qint16 ReadXml::loadXmlAll(const QString &filename)
{
    return dictionary.load(filename);
}

void ReadXml::loadXmlWord(const QString &xmlTreeNode, const QString &filename)
{
    loadList(dictionary.list(Dictionary::Words), *this, xmlTreeNode, filename);
}

void ReadXml::loadXmlMeaning(const QString &xmlTreeNode, const QString &filename)
{
    loadList(dictionary.list(Dictionary::Meanings), *this, xmlTreeNode, filename);
}

void ReadXml::loadXmlUsage(const QString &xmlTreeNode, const QString &filename)
{
    loadList(dictionary.list(Dictionary::Usages), *this, xmlTreeNode, filename);
}

QString ReadXml::readWord(const QString &xmlNodeCount) const
{
    return read(Dictionary::Words, xmlNodeCount);
}

QString ReadXml::readMeaning(const QString &xmlNodeCount) const
{
    return read(Dictionary::Meanings, xmlNodeCount);
}

QString ReadXml::readUsage(const QString &xmlNodeCount) const
{
    return read(Dictionary::Usages, xmlNodeCount);
}

void ReadXml::writeWord(const QString &xmlNodeCount, const QString &strTextToWrite)
{
    write(Dictionary::Words, xmlNodeCount, strTextToWrite);
}

void ReadXml::writeMeaning(const QString &xmlNodeCount, const QString &strTextToWrite)
{
    write(Dictionary::Meanings, xmlNodeCount, strTextToWrite);
}

void ReadXml::writeUsage(const QString &xmlNodeCount, const QString &strTextToWrite)
{
    write(Dictionary::Usages, xmlNodeCount, strTextToWrite);
}

QString ReadXml::read(Dictionary::Kind kind, const QString &xmlNodeCount) const
{
    const QStringList &list = dictionary.list(kind);
    return list[checkedPosition(list, xmlNodeCount)];
}

void ReadXml::write(Dictionary::Kind kind, const QString &xmlNodeCount, const QString &text)
{
    QStringList &list = dictionary.list(kind);
    list[checkedPosition(list, xmlNodeCount)] = text;
}

} // namespace core
