// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QVariantList>

namespace learning {

// The learner's calendar days inside SQL. A day is a local calendar day, so an answer at 23:30
// belongs to the day it was given on even when UTC has moved on, and summer time is honoured.
// Between two changes of the UTC offset, the local day of an instant s (seconds since 1970 UTC)
// is (s + offset) / 86400 days after 1970-01-01; the expression picks the offset by instant.
class LocalDays
{
public:
    // The offsets in force from `from` to `to` (seconds since 1970 UTC), as the system's time
    // zone gives them.
    LocalDays(qint64 from, qint64 to);

    // A SQL expression giving the Julian day number of the local day of `seconds` (an SQL
    // expression in whole seconds since 1970 UTC); its values to bind, in order, are added to
    // `values`.
    QString julianDay(const QString &seconds, QVariantList &values) const;

    // The first second of a local day, in seconds since 1970 UTC.
    static qint64 startOf(const QDate &day);

private:
    struct Span
    {
        qint64 from; // the first second with this offset
        int offset;  // seconds east of UTC
    };
    QList<Span> spans;
};

} // namespace learning
