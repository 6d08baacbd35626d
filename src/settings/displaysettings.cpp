// SPDX-License-Identifier: GPL-3.0-or-later
#include "displaysettings.h"

#include "../modglobal.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace displaysettings {

using namespace modglobal;

std::array<QString *, 12> fileorder()
{
    return {&mainfontcolor,  &mainfontname,   &mainfontsize,  &memoryfontcolor,
            &memoryfontname, &memoryfontsize, &answercolor,   &answerfontname,
            &answerfontsize, &flashfontcolor, &flashfontname, &flashfontsize};
}

const std::array<QString, 12> &defaults()
{
    static const std::array<QString, 12> values{
        QStringLiteral("0"), QStringLiteral("Arial"),        QStringLiteral("36"),
        QStringLiteral("0"), QStringLiteral("Arial"),        QStringLiteral("14"),
        QStringLiteral("0"), QStringLiteral("Book Antiqua"), QStringLiteral("12"),
        QStringLiteral("0"), QStringLiteral("Arial"),        QStringLiteral("24")};
    return values;
}

void applydefaults()
{
    const auto settings = fileorder();
    for (size_t i = 0; i < settings.size(); ++i)
        *settings[i] = defaults()[i];
}

std::optional<qint32> tocolor(const QString &text)
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

std::optional<float> tosize(const QString &text)
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

QString colortext(qint32 color)
{
    return QString::number(color);
}

QString sizetext(float size)
{
    QLocale format = QLocale::system();
    format.setNumberOptions(QLocale::OmitGroupSeparator);
    return format.toString(double(size), 'g', 7);
}

qint32 colorvalue(const QString &text)
{
    return tocolor(text).value_or(0);
}

float sizevalue(const QString &text, float fallback)
{
    return tosize(text).value_or(fallback);
}

bool usable(const QStringList &lines)
{
    if (lines.size() < 12)
        return false;
    for (qsizetype i = 0; i < 12; ++i) {
        if (lines[i].isEmpty())
            return false;
        const bool colorline = i % 3 == 0, sizeline = i % 3 == 2;
        if (colorline && !tocolor(lines[i]))
            return false;
        if (sizeline && !tosize(lines[i]))
            return false;
    }
    return true;
}

} // namespace displaysettings
