// SPDX-License-Identifier: GPL-3.0-or-later
#include "textdecoding.h"

#include "platform/textfile.h"

#include <QStringDecoder>

namespace importer {

namespace {

// Qt's decoder passes unpaired surrogates through; they would not survive being written out.
QString replaceLoneSurrogates(QString text)
{
    for (qsizetype at = 0; at < text.size(); ++at) {
        const bool paired =
            text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate();
        if (paired)
            ++at;
        else if (text[at].isSurrogate())
            text[at] = QChar::ReplacementCharacter;
    }
    return text;
}

QString decodeUtf16(QByteArrayView bytes)
{
    const auto encoding = bytes.startsWith("\xfe\xff")   ? QStringConverter::Utf16BE
                          : bytes.startsWith("\xff\xfe") ? QStringConverter::Utf16LE
                                                         : QStringConverter::Utf16;
    if (encoding != QStringConverter::Utf16)
        bytes = bytes.sliced(2);
    return replaceLoneSurrogates(QStringDecoder(encoding).decode(bytes));
}

} // namespace

DecodedText decodeText(const QByteArray &bytes, TextEncoding wanted)
{
    QByteArrayView view(bytes);
    const bool utf8Mark = view.startsWith("\xef\xbb\xbf");
    const bool utf16Mark = view.startsWith("\xff\xfe") || view.startsWith("\xfe\xff");
    if (wanted == TextEncoding::Guess && utf16Mark)
        wanted = TextEncoding::Utf16;
    if (utf8Mark)
        view = view.sliced(3);
    switch (wanted) {
    case TextEncoding::Utf16:
        return {decodeUtf16(view), wanted};
    case TextEncoding::Windows1252:
        return {platform::decodeWindows1252(view), wanted};
    case TextEncoding::Utf8:
        return {QString::fromUtf8(view), wanted};
    case TextEncoding::Guess:
        break;
    }
    // A UTF-8 mark before bytes that are not UTF-8 is taken for an accident of an editor: the
    // bytes decide, as they do without a mark.
    if (platform::isUtf8(view))
        return {QString::fromUtf8(view), TextEncoding::Utf8};
    return {platform::decodeWindows1252(view), TextEncoding::Windows1252};
}

} // namespace importer
