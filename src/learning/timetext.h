// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fsrs.h"

#include <QDateTime>
#include <QString>
#include <optional>

namespace learning {

// Times in the database and the exported log are UTC text of one fixed width,
// "2022-11-29T12:30:00.000Z": a learner reads them in the sqlite3 shell, SQLite's date
// functions take them, and text order is time order.
QString timeText(Time time);
std::optional<Time> parseTimeText(QStringView text);

// Also any ISO 8601 form with or without milliseconds and offset (none means UTC), for
// files edited by hand.
std::optional<Time> parseAnyTimeText(QStringView text);

inline Time toTime(const QDateTime &dateTime)
{
    return Time(std::chrono::milliseconds(dateTime.toMSecsSinceEpoch()));
}

inline QDateTime toDateTime(Time time)
{
    return QDateTime::fromMSecsSinceEpoch(time.time_since_epoch().count(), Qt::UTC);
}

} // namespace learning
