// SPDX-License-Identifier: GPL-3.0-or-later
#include "htmltext.h"

#include <algorithm>
#include <array>

namespace importer {

namespace {

struct NamedEntity
{
    const char *name;
    char16_t character;
};

// The entities word lists use; others stay as they are written.
constexpr std::array<NamedEntity, 24> namedEntities{{
    {"amp", u'&'},         {"lt", u'<'},          {"gt", u'>'},          {"quot", u'"'},
    {"apos", u'\''},       {"nbsp", u' '},        {"ndash", u'\u2013'},  {"mdash", u'\u2014'},
    {"hellip", u'\u2026'}, {"lsquo", u'\u2018'},  {"rsquo", u'\u2019'},  {"ldquo", u'\u201c'},
    {"rdquo", u'\u201d'},  {"laquo", u'\u00ab'},  {"raquo", u'\u00bb'},  {"copy", u'\u00a9'},
    {"reg", u'\u00ae'},    {"deg", u'\u00b0'},    {"middot", u'\u00b7'}, {"times", u'\u00d7'},
    {"shy", u'\u00ad'},    {"eacute", u'\u00e9'}, {"euro", u'\u20ac'},   {"bull", u'\u2022'},
}};

// Tags after which the text goes on in a new line or block: they read as a space.
bool breaksLine(QStringView name)
{
    static const std::array<const char *, 13> breaking{"br", "div", "p",  "li", "tr", "td", "h1",
                                                       "h2", "h3",  "h4", "h5", "h6", "hr"};
    for (const char *tag : breaking)
        if (name.compare(QLatin1String(tag), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// A '<' without a '>' after it is text ("a<b"); `lastClose` is the position of the last '>'.
bool startsTag(QStringView html, qsizetype at, qsizetype lastClose)
{
    if (at + 1 >= html.size() || at > lastClose)
        return false;
    const QChar next = html[at + 1];
    return next.isLetter() || next == u'/' || next == u'!' || next == u'?';
}

struct Tag
{
    QStringView name;
    bool opening = false;
    // The position after its '>' (the end when there is none).
    qsizetype after = 0;
};

Tag readTag(QStringView html, qsizetype at)
{
    if (html.sliced(at).startsWith(u"<!--")) {
        const qsizetype close = html.indexOf(u"-->", at + 4);
        return {QStringView(), false, close < 0 ? html.size() : close + 3};
    }
    const bool closing = html[at + 1] == u'/';
    const qsizetype start = closing ? at + 2 : at + 1;
    qsizetype end = start;
    while (end < html.size() && html[end].isLetterOrNumber())
        ++end;
    const qsizetype close = html.indexOf(u'>', end);
    const bool selfClosing = close > 0 && html[close - 1] == u'/';
    return {html.sliced(start, end - start), !closing && !selfClosing,
            close < 0 ? html.size() : close + 1};
}

bool hidesContent(QStringView name)
{
    return name.compare(QLatin1String("script"), Qt::CaseInsensitive) == 0 ||
           name.compare(QLatin1String("style"), Qt::CaseInsensitive) == 0;
}

// Decodes the entity at `at` (which holds '&') into `out`; the position after it, or `at` when
// it is no entity.
qsizetype readEntity(QStringView html, qsizetype at, QString &out)
{
    // Entities are short: a long search for the ';' of every '&' would make a field of
    // ampersands quadratic.
    const qsizetype found =
        html.sliced(at + 1).first(std::min<qsizetype>(12, html.size() - at - 1)).indexOf(u';');
    if (found < 0)
        return at;
    const qsizetype semicolon = at + 1 + found;
    const QStringView body = html.sliced(at + 1, semicolon - at - 1);
    if (body.startsWith(u'#')) {
        const bool hex = body.size() > 1 && (body[1] == u'x' || body[1] == u'X');
        bool ok = false;
        const uint code = body.sliced(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
        if (!ok)
            return at;
        const bool valid = code > 0 && code <= 0x10ffff && (code < 0xd800 || code > 0xdfff);
        const char32_t character = valid ? char32_t(code) : char32_t(0xfffd);
        out += QString::fromUcs4(&character, 1);
        return semicolon + 1;
    }
    for (const NamedEntity &entity : namedEntities) {
        if (body == QLatin1String(entity.name)) {
            out += QChar(entity.character);
            return semicolon + 1;
        }
    }
    return at;
}

// Control characters other than tabs and line ends mean nothing in a word list.
bool isControl(QChar c)
{
    return (c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') || c.unicode() == 0x7f;
}

QString collapseSpaces(QStringView text)
{
    QString result;
    result.reserve(text.size());
    bool space = false;
    for (const QChar c : text) {
        if (isControl(c))
            continue;
        if (c.isSpace()) {
            space = !result.isEmpty();
            continue;
        }
        if (space)
            result += u' ';
        space = false;
        result += c;
    }
    return result;
}

} // namespace

QString htmlToText(QStringView html)
{
    QString text;
    text.reserve(html.size());
    const qsizetype lastClose = html.lastIndexOf(u'>'), lastBracket = html.lastIndexOf(u']');
    qsizetype at = 0;
    while (at < html.size()) {
        const QChar c = html[at];
        if (c == u'<' && startsTag(html, at, lastClose)) {
            const Tag tag = readTag(html, at);
            if (breaksLine(tag.name))
                text += u' ';
            at = tag.after;
            if (tag.opening && hidesContent(tag.name)) {
                const qsizetype close =
                    html.indexOf(QStringLiteral("</").append(tag.name), at, Qt::CaseInsensitive);
                at = close < 0 ? html.size() : readTag(html, close).after;
            }
        } else if (c == u'&') {
            const qsizetype after = readEntity(html, at, text);
            if (after == at)
                text += c;
            at = after == at ? at + 1 : after;
        } else if (c == u'[' && at < lastBracket && html.sliced(at).startsWith(u"[sound:")) {
            at = html.indexOf(u']', at) + 1;
        } else {
            text += c;
            ++at;
        }
    }
    return collapseSpaces(text);
}

QString plainText(QStringView text)
{
    QString result = text.trimmed().toString();
    result.removeIf(isControl);
    return result.trimmed();
}

} // namespace importer
