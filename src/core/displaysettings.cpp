// SPDX-License-Identifier: GPL-3.0-or-later
#include "displaysettings.h"

#include "platform/error.h"
#include "platform/paths.h"
#include "platform/services.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <cmath>
#include <limits>
#include <utility>

namespace core {

namespace {

// Twelve lines of font names and numbers fit many times over; a larger file is read only this
// far, so that a huge or damaged file costs neither the memory nor the time of reading it.
constexpr qint64 settingsReadLimit = 64 * 1024;

// The start of the file up to its last complete line within the limit; the whole file when it
// is smaller. A line cut by the limit would be a wrong value, so it is left out altogether.
std::optional<QString> readHead(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray head = file.read(settingsReadLimit);
    if (!file.atEnd()) {
        const qsizetype lastLine = head.lastIndexOf("\r\n");
        head.truncate(lastLine < 0 ? 0 : lastLine + 2);
    }
    return platform::decodeText(head);
}

} // namespace

QFont TextStyle::font() const
{
    QFont result(fontName);
    if (fontSize > 0)
        result.setPointSizeF(fontSize);
    return result;
}

QColor TextStyle::color() const
{
    return QColor(colorCode & 0xff, (colorCode >> 8) & 0xff, (colorCode >> 16) & 0xff);
}

DisplayStyles::DisplayStyles()
    : styles{{{QStringLiteral("Arial"), 36, 0},
              {QStringLiteral("Arial"), 14, 0},
              {QStringLiteral("Book Antiqua"), 12, 0},
              {QStringLiteral("Arial"), 24, 0}}}
{
}

std::optional<DisplayStyles> DisplayStyles::fromLines(const QStringList &lines)
{
    if (!displaysettings::usable(lines))
        return std::nullopt;
    DisplayStyles result;
    for (int g = 0; g < groupCount; ++g)
        result.styles[g] = {lines[3 * g + 1], *displaysettings::toSize(lines[3 * g + 2]),
                            *displaysettings::toColor(lines[3 * g])};
    return result;
}

QString DisplayStyles::fileText() const
{
    QStringList lines;
    for (const TextStyle &style : styles)
        lines << displaysettings::colorText(style.colorCode) << style.fontName
              << displaysettings::sizeText(style.fontSize);
    return lines.join(QStringLiteral("\r\n"));
}

QString DisplayStyles::filePath(const QString &programFolder)
{
    return platform::joinPath(programFolder, QStringLiteral("\\settings\\settings.ini"));
}

bool DisplayStyles::load(const QString &programFolder)
{
    const std::optional<QString> text = readHead(filePath(programFolder));
    const std::optional<DisplayStyles> read =
        text ? fromLines(text->split(QStringLiteral("\r\n"))) : std::nullopt;
    *this = read.value_or(DisplayStyles());
    return read.has_value();
}

DisplaySettings::DisplaySettings(platform::Files &files, QString programFolder, QObject *parent)
    : QObject(parent), files(files), folder(std::move(programFolder))
{
}

bool DisplaySettings::load()
{
    const bool read = current.load(folder);
    saved = current;
    return read;
}

void DisplaySettings::setStyles(const DisplayStyles &styles)
{
    if (styles == current)
        return;
    current = styles;
    emit changed();
}

void DisplaySettings::save()
{
    const QString path = DisplayStyles::filePath(folder);
    const QString parent = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(parent))
        throw platform::Error(
            platform::Error::io,
            tr("Cannot create the folder %1.").arg(QDir::toNativeSeparators(parent)));
    files.writeText(path, current.fileText());
    saved = current;
}

namespace displaysettings {

std::optional<qint32> toColor(const QString &text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<qint32>::min() ||
        rounded > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(rounded);
}

std::optional<float> toSize(const QString &text)
{
    bool ok = false;
    float value = QLocale::system().toFloat(text.trimmed(), &ok);
    // A file written under another number format still reads.
    if (!ok)
        value = QLocale::c().toFloat(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value) || value <= 0)
        return std::nullopt;
    return value;
}

QString colorText(qint32 color)
{
    return QString::number(color);
}

QString sizeText(float size)
{
    QLocale format = QLocale::system();
    format.setNumberOptions(QLocale::OmitGroupSeparator);
    return format.toString(double(size), 'g', 7);
}

bool usable(const QStringList &lines)
{
    if (lines.size() < 12)
        return false;
    for (qsizetype i = 0; i < 12; ++i) {
        if (lines[i].isEmpty())
            return false;
        const bool colorLine = i % 3 == 0, sizeLine = i % 3 == 2;
        if (colorLine && !toColor(lines[i]))
            return false;
        if (sizeLine && !toSize(lines[i]))
            return false;
    }
    return true;
}

} // namespace displaysettings

} // namespace core
