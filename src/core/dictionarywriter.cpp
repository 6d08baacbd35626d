// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionarywriter.h"

#include <array>

namespace core {

namespace {

// Appends the text as UTF-8, with the characters XML reserves as references. Runs without
// them, nearly all of a dictionary, are copied whole.
void appendEscaped(QByteArray &out, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    qsizetype run = 0;
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        const char *reference = nullptr;
        switch (utf8[i]) {
        case '&':
            reference = "&amp;";
            break;
        case '<':
            reference = "&lt;";
            break;
        case '>':
            reference = "&gt;";
            break;
        case '\r':
            reference = "&#13;";
            break;
        default:
            continue;
        }
        out.append(utf8.constData() + run, i - run);
        out.append(reference);
        run = i + 1;
    }
    out.append(utf8.constData() + run, utf8.size() - run);
}

} // namespace

QByteArray dictionaryBytes(const QStringList &words, const QStringList &meanings,
                           const QStringList &usages, int count, FinalLine ending)
{
    QByteArray out;
    out.reserve(qsizetype(count) * 256 + 32);
    out.append("<GRE>\r\n");
    const std::array<std::pair<const QStringList *, const char *>, 3> kinds{
        {{&words, "word"}, {&meanings, "meaning"}, {&usages, "usage"}}};
    for (int i = 0; i < count; ++i) {
        for (const auto &[list, name] : kinds) {
            out.append('<').append(name).append('>');
            if (i < list->size())
                appendEscaped(out, (*list)[i]);
            out.append("</").append(name).append(">\r\n");
        }
    }
    out.append("</GRE>\r\n");
    if (ending == FinalLine::empty)
        out.append("\r\n");
    return out;
}

QString dictionaryText(const QStringList &words, const QStringList &meanings,
                       const QStringList &usages, int count, FinalLine ending)
{
    return QString::fromUtf8(dictionaryBytes(words, meanings, usages, count, ending));
}

QString dictionaryHeadingWord()
{
    return QStringLiteral("About this dictionary");
}

bool isDictionaryHeading(const QString &word)
{
    return word.simplified().compare(dictionaryHeadingWord(), Qt::CaseInsensitive) == 0;
}

} // namespace core
