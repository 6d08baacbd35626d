// SPDX-License-Identifier: GPL-3.0-or-later
#include "reviewrules.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace core {

int drawPosition(float rnd, int n)
{
    return int(std::floor(double(rnd) * (n - 1) + 1));
}

int nextPosition(int current, int n)
{
    const int next = current + 1;
    return next >= n ? 1 : next;
}

int previousPosition(int current, int n)
{
    const int previous = current - 1;
    return previous < 1 ? n - 1 : previous;
}

bool inReviewRange(int position, int n)
{
    return position >= 1 && position < n;
}

StyledUsage styleUsage(const QString &usage)
{
    for (const auto &[marker, bold] :
         {std::pair{QStringLiteral("(b)"), true}, std::pair{QStringLiteral("(I)"), false}}) {
        if (usage.startsWith(marker, Qt::CaseSensitive))
            return {QString(usage).remove(marker, Qt::CaseSensitive), bold, !bold};
    }
    return {usage, false, false};
}

int drawLayout(float rnd)
{
    return int(std::floor(double(rnd) * 100 + 1));
}

std::array<int, 5> layoutTops(int r)
{
    // The tests are strict, so 20, 45, 65 and 85 and above take the last layout.
    if (r < 20)
        return {3360, 480, 1440, 4320, 2400};
    if (r > 20 && r < 45)
        return {480, 3360, 4320, 2400, 1440};
    if (r > 45 && r < 65)
        return {2400, 1440, 3360, 4320, 480};
    if (r > 65 && r < 85)
        return {4320, 2400, 480, 1440, 3360};
    return {1440, 480, 2400, 3360, 4320};
}

QString percentText(int correct, int incorrect)
{
    const int total = correct + incorrect;
    const double percent = total > 0 ? double(correct) / total * 100 : 0;
    QLocale format = QLocale::system();
    format.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text = format.toString(percent, 'f', 2);
    const qsizetype whole = text.indexOf(format.decimalPoint());
    if (whole >= 0 && whole < 2)
        text.prepend(QString(2 - whole, format.zeroDigit().at(0)));
    return text;
}

QString logLine(bool right, const QString &caption, const QString &word)
{
    return (right ? QStringLiteral(" CORRECT :") : QStringLiteral(" INCORRECT :")) + caption +
           u':' + word;
}

qint16 countUp(qint16 count)
{
    return count < std::numeric_limits<qint16>::max() ? qint16(count + 1) : count;
}

bool sameMeaning(const QString &a, const QString &b)
{
    return a.simplified().compare(b.simplified(), Qt::CaseInsensitive) == 0;
}

} // namespace core
