#include "textfile.h"

#include "error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace platform {

namespace {

// The characters Windows-1252 puts at 0x80..0x9f; the rest of the code page is Latin-1.
constexpr char16_t cp1252high[32] = {
    0x20ac, 0x0081, 0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021, 0x02c6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008d, 0x017d, 0x008f, 0x0090, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022,
    0x2013, 0x2014, 0x02dc, 0x2122, 0x0161, 0x203a, 0x0153, 0x009d, 0x017e, 0x0178};

QString decodecp1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = (byte >= 0x80 && byte < 0xa0) ? QChar(cp1252high[byte - 0x80]) : QChar(byte);
    }
    return text;
}

QString decodewith(QStringConverter::Encoding encoding, QByteArrayView bytes)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

bool writefails = false;
std::function<void()> beforecommit;

} // namespace

void injectwritefailure(bool on)
{
    writefails = on;
}

void setbeforecommit(std::function<void()> hook)
{
    beforecommit = std::move(hook);
}

bool isutf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString ignored = decoder.decode(bytes);
    return !decoder.hasError();
}

QString decodetext(const QByteArray &bytes)
{
    const QByteArrayView view(bytes);
    if (view.startsWith("\xef\xbb\xbf"))
        return decodewith(QStringConverter::Utf8, view.sliced(3));
    if (view.startsWith("\xff\xfe"))
        return decodewith(QStringConverter::Utf16LE, view.sliced(2));
    if (view.startsWith("\xfe\xff"))
        return decodewith(QStringConverter::Utf16BE, view.sliced(2));
    if (isutf8(bytes))
        return QString::fromUtf8(bytes);
    return decodecp1252(bytes);
}

QByteArray readbytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw vocabrix::error(vocabrix::error::io,
                              QStringLiteral("Cannot read %1: %2")
                                  .arg(QDir::toNativeSeparators(path), file.errorString()));
    return file.readAll();
}

QString readtext(const QString &path)
{
    return decodetext(readbytes(path));
}

void writetext(const QString &path, const QString &text)
{
    // Replacing through a temporary file would silently overwrite a file marked read-only.
    // The owner's write bit counts even for an administrator, who could write anyway.
    const QFileInfo info(path);
    if (info.exists() && (!info.isWritable() || !(info.permissions() & QFile::WriteOwner)))
        throw vocabrix::error(vocabrix::error::io,
                              QStringLiteral("Cannot write %1: the file is read-only")
                                  .arg(QDir::toNativeSeparators(path)));
    QSaveFile file(path);
    const QByteArray bytes = text.toUtf8();
    bool written =
        file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
    if (written && beforecommit)
        beforecommit();
    const QString reason =
        written && writefails ? QStringLiteral("No space left on device") : QString();
    written = written && !writefails && file.commit();
    if (!written) {
        file.cancelWriting();
        throw vocabrix::error(vocabrix::error::io,
                              QStringLiteral("Cannot write %1: %2")
                                  .arg(QDir::toNativeSeparators(path),
                                       reason.isEmpty() ? file.errorString() : reason));
    }
}

} // namespace platform
