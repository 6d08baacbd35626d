#include "dictionarywriter.h"

#include "../platform/textfile.h"

QString escapexml(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            escaped += QStringLiteral("&amp;");
            break;
        case u'<':
            escaped += QStringLiteral("&lt;");
            break;
        case u'>':
            escaped += QStringLiteral("&gt;");
            break;
        case u'\r':
            escaped += QStringLiteral("&#13;");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

QString dictionarytext(const QStringList &words, const QStringList &meanings,
                       const QStringList &usages, int count, finalline ending)
{
    const auto at = [](const QStringList &list, int i) {
        return i < list.size() ? escapexml(list[i]) : QString();
    };
    QString text = QStringLiteral("<GRE>\r\n");
    for (int i = 0; i < count; ++i) {
        text += QStringLiteral("<word>") + at(words, i) + QStringLiteral("</word>\r\n");
        text += QStringLiteral("<meaning>") + at(meanings, i) + QStringLiteral("</meaning>\r\n");
        text += QStringLiteral("<usage>") + at(usages, i) + QStringLiteral("</usage>\r\n");
    }
    text += QStringLiteral("</GRE>\r\n");
    if (ending == finalline::empty)
        text += QStringLiteral("\r\n");
    return text;
}

void writedictionary(const QString &path, const QStringList &words, const QStringList &meanings,
                     const QStringList &usages, int count, finalline ending)
{
    platform::writetext(path, dictionarytext(words, meanings, usages, count, ending));
}
