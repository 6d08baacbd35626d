// SPDX-License-Identifier: GPL-3.0-or-later
#include "textdecoding.h"

#include <QStringDecoder>

namespace importer {

namespace {

// The characters Windows-1252 puts at 0x80..0x9f; the rest of the code page is Latin-1.
constexpr char16_t windows1252High[32] = {
    0x20ac, 0x0081, 0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021, 0x02c6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008d, 0x017d, 0x008f, 0x0090, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022,
    0x2013, 0x2014, 0x02dc, 0x2122, 0x0161, 0x203a, 0x0153, 0x009d, 0x017e, 0x0178};

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = (byte >= 0x80 && byte < 0xa0) ? QChar(windows1252High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

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
        return {decodeWindows1252(view), wanted};
    case TextEncoding::Utf8:
        return {QString::fromUtf8(view), wanted};
    case TextEncoding::Guess:
        break;
    }
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(view);
    if (!decoder.hasError())
        return {std::move(text), TextEncoding::Utf8};
    return {decodeWindows1252(view), TextEncoding::Windows1252};
}

} // namespace importer
