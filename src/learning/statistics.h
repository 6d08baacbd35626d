// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fsrs.h"
#include "progressfigures.h"

#include <QDate>
#include <QDateTime>
#include <QSqlDatabase>
#include <QStringList>
#include <optional>

namespace learning {

// The figures of the Progress window, each from an aggregate query: a part of LearnerMemory,
// which alone holds the connection. The answers per quarter hour are kept in a small table
// beside the log, updated by triggers as answers come and go, so that a calendar of a million
// answers needs no scan of them, and so are each word's misses; like `cards`, they are a cache,
// checked and rebuilt when they do not add up.
class Statistics
{
public:
    // A connection to an open progress file and the scheduler that made its cards. An invalid
    // connection gives empty figures.
    Statistics(const QSqlDatabase &db, const Scheduler &scheduler);

    // The figures for the list of word keys (see wordKey) at a time. Throws platform::Error
    // (database) when the file cannot be read.
    ProgressFigures figures(const QStringList &wordKeys, const QDateTime &now,
                            std::optional<QDate> examDate) const;

private:
    void ensureCache();
    QString activitySource() const;
    void wordFigures(ProgressFigures &result, const QString &list, const QDateTime &now,
                     std::optional<QDate> examDate) const;
    void forecast(ProgressFigures &result, const QString &list, const QDate &today) const;
    void hardest(ProgressFigures &result, const QStringList &wordKeys) const;
    void retention(ProgressFigures &result, const QDate &today) const;
    void activity(ProgressFigures &result, const QDate &today) const;
    void streaks(ProgressFigures &result, const QDate &today) const;

    QSqlDatabase db;
    const Scheduler &fsrs;
    bool cached = false;
};

} // namespace learning
