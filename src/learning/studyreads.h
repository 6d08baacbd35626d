// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Study Today's reads of the progress file, each a query or two: a part of LearnerMemory, which
// alone holds the connection. Each throws sql::Failure; a connection that is not open gives
// nothing.

#include "learnermemory.h"
#include "studyqueue.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QSet>
#include <QSqlDatabase>
#include <QStringList>
#include <optional>

namespace learning {

// In two queries: the cards due before the end of the day, with the exam-date cap, and the
// keys of every word answered before.
DueCards readDueCards(const QSqlDatabase &db, const StudyDay &day);

// A day's answers in the memory, from any window, and those not graded Again.
struct DayAnswers
{
    int answers = 0;
    int right = 0;
};
DayAnswers answersOn(const QSqlDatabase &db, QDate day);
// The same for each word answered that day.
QHash<QString, DayAnswers> answersByWord(const QSqlDatabase &db, QDate day);

// How long the learner took over their last `sample` answers before a time (see AnswerTimes).
// Study Today and the forecast read answerTimesSample of them: enough for a steady median, few
// enough to follow a learner who gets quicker.
constexpr int answerTimesSample = 1000;
AnswerTimes readAnswerTimes(const QSqlDatabase &db, int sample, Time before);

// Each word answered Again at least once, learning steps included, as a table of the columns
// word, misses and last_miss, counted from the log.
QString missesFromLog();
// The words answered Again at least once, with how often and when last: most misses first, the
// latest miss first among equals. Of the given keys only, when given; at most `most` of them,
// when positive; from a table of missesFromLog()'s columns.
QList<ProgressFigures::MissedWord>
mostMissedWords(const QSqlDatabase &db, const std::optional<QStringList> &keys = std::nullopt,
                int most = 0, const QString &source = missesFromLog());

// The keys of the words whose first answer was at or after a time, and how many they are.
QSet<QString> wordsFirstAnsweredSince(const QSqlDatabase &db, Time since);
int wordsStartedSince(const QSqlDatabase &db, Time since);
// How much the learner studied since a time.
RecentStudy readRecentStudy(const QSqlDatabase &db, Time since);

// The answers in the log, the first one's time, and the items to fit counted up to itemsAtMost;
// nothing when the connection is not open.
std::optional<AnswerTally> readAnswerTally(const QSqlDatabase &db, qsizetype itemsAtMost);

// Days in a row with at least one answer, up to today (or up to yesterday while today has none).
int dayStreak(const QSqlDatabase &db, QDate today);

} // namespace learning
