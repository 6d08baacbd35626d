// SPDX-License-Identifier: GPL-3.0-or-later
#include "textfile.h"

#include "error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace platform {

namespace {

// The characters Windows-1252 puts at 0x80..0x9f; the rest of the code page is Latin-1.
constexpr char16_t cp1252High[32] = {
    0x20ac, 0x0081, 0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021, 0x02c6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008d, 0x017d, 0x008f, 0x0090, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022,
    0x2013, 0x2014, 0x02dc, 0x2122, 0x0161, 0x203a, 0x0153, 0x009d, 0x017e, 0x0178};

QString decodeWith(QStringConverter::Encoding encoding, QByteArrayView bytes)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

} // namespace

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = (byte >= 0x80 && byte < 0xa0) ? QChar(cp1252High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

bool isUtf8(QByteArrayView bytes)
{
    // Checked in place: decoding a whole dictionary only to look for errors would cost a copy.
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const auto *end = p + bytes.size();
    while (p < end) {
        if (*p < 0x80) {
            ++p;
            continue;
        }
        int following = 0;
        char32_t code = 0, smallest = 0;
        if ((*p & 0xe0) == 0xc0) {
            following = 1, code = *p & 0x1f, smallest = 0x80;
        } else if ((*p & 0xf0) == 0xe0) {
            following = 2, code = *p & 0x0f, smallest = 0x800;
        } else if ((*p & 0xf8) == 0xf0) {
            following = 3, code = *p & 0x07, smallest = 0x10000;
        } else {
            return false;
        }
        if (end - p <= following)
            return false;
        for (int i = 1; i <= following; ++i) {
            if ((p[i] & 0xc0) != 0x80)
                return false;
            code = (code << 6) | (p[i] & 0x3f);
        }
        // Overlong forms, surrogates and values beyond Unicode are not UTF-8.
        if (code < smallest || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff))
            return false;
        p += following + 1;
    }
    return true;
}

QString decodeText(const QByteArray &bytes)
{
    const QByteArrayView view(bytes);
    if (view.startsWith("\xef\xbb\xbf"))
        return decodeWith(QStringConverter::Utf8, view.sliced(3));
    if (view.startsWith("\xff\xfe"))
        return decodeWith(QStringConverter::Utf16LE, view.sliced(2));
    if (view.startsWith("\xfe\xff"))
        return decodeWith(QStringConverter::Utf16BE, view.sliced(2));
    if (isUtf8(bytes))
        return QString::fromUtf8(bytes);
    return decodeWindows1252(bytes);
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw platform::Error(platform::Error::io,
                              QCoreApplication::translate("platform", "Cannot read %1: %2")
                                  .arg(QDir::toNativeSeparators(path), file.errorString()));
    return file.readAll();
}

QString readText(const QString &path)
{
    return decodeText(readBytes(path));
}

void writeBytes(const QString &path, const QByteArray &bytes, const WriteFault &fault)
{
    // Replacing through a temporary file would silently overwrite a file marked read-only.
    // The owner's write bit counts even for an administrator, who could write anyway.
    const QFileInfo info(path);
    if (info.exists() && (!info.isWritable() || !(info.permissions() & QFile::WriteOwner)))
        throw platform::Error(
            platform::Error::io,
            QCoreApplication::translate("platform", "Cannot write %1: the file is read-only")
                .arg(QDir::toNativeSeparators(path)));
    QSaveFile file(path);
    bool written =
        file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
    if (written && fault.beforeCommit)
        fault.beforeCommit();
    const QString reason =
        written && fault.fails ? QStringLiteral("No space left on device") : QString();
    written = written && !fault.fails && file.commit();
    if (!written) {
        file.cancelWriting();
        throw platform::Error(platform::Error::io,
                              QCoreApplication::translate("platform", "Cannot write %1: %2")
                                  .arg(QDir::toNativeSeparators(path),
                                       reason.isEmpty() ? file.errorString() : reason));
    }
}

KeyValues keyValuesFromText(const QString &text)
{
    KeyValues pairs;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals >= 0)
            pairs.append({line.left(equals).trimmed(), line.mid(equals + 1).trimmed()});
    }
    return pairs;
}

KeyValues readKeyValues(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return {};
    try {
        return keyValuesFromText(readText(path));
    } catch (const std::exception &) {
        return {};
    }
}

QString keyValueText(const KeyValues &pairs)
{
    QString text;
    for (const auto &[key, value] : pairs)
        text += key + QLatin1Char('=') + value + QStringLiteral("\r\n");
    return text;
}

} // namespace platform
