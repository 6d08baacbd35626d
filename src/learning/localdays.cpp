// SPDX-License-Identifier: GPL-3.0-or-later
#include "localdays.h"

#include <QDateTime>
#include <algorithm>

namespace learning {

namespace {

constexpr qint64 secondsPerDay = 86400;
constexpr qint64 unixEpochJulianDay = 2440588;

int offsetAt(qint64 seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::LocalTime).offsetFromUtc();
}

// The first second at which the offset differs from the one at `before`; `after` has it.
qint64 changeBetween(qint64 before, qint64 after)
{
    const int old = offsetAt(before);
    while (after - before > 1) {
        const qint64 middle = before + (after - before) / 2;
        (offsetAt(middle) == old ? before : after) = middle;
    }
    return after;
}

} // namespace

LocalDays::LocalDays(qint64 from, qint64 to)
{
    // Offsets change at most a few times a year and never twice within a day, so a look once a
    // day finds every change.
    spans.append({from, offsetAt(from)});
    for (qint64 previous = from; previous < to;) {
        const qint64 at = std::min(previous + secondsPerDay, to);
        if (offsetAt(at) != spans.last().offset) {
            const qint64 change = changeBetween(previous, at);
            spans.append({change, offsetAt(change)});
        }
        previous = at;
    }
}

QString LocalDays::julianDay(const QString &seconds, QVariantList &values) const
{
    // Latest change first: the first span that has begun decides.
    const QString days = QStringLiteral("(%1 + ?) / %2").arg(seconds).arg(secondsPerDay);
    QString offsets;
    for (qsizetype i = spans.size() - 1; i > 0; --i) {
        offsets += QStringLiteral(" WHEN %1 >= ? THEN %2").arg(seconds, days);
        values << spans[i].from << spans[i].offset;
    }
    values << spans.first().offset;
    const QString day =
        offsets.isEmpty() ? days : QStringLiteral("CASE%1 ELSE %2 END").arg(offsets, days);
    return QStringLiteral("(%1 + %2)").arg(day).arg(unixEpochJulianDay);
}

qint64 LocalDays::startOf(const QDate &day)
{
    return day.startOfDay(Qt::LocalTime).toSecsSinceEpoch();
}

} // namespace learning
