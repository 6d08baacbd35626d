// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fsrs.h"

#include <QString>
#include <QtGlobal>
#include <optional>

namespace learning {

class LearnerMemory;
class StudyPlanSettings;

// A moment in the learner's history: when, and how many answers the log held then.
struct AnswerMark
{
    Time time{};
    qint64 answers = 0;

    bool operator==(const AnswerMark &) const = default;
};

// What the reminder to fit the memory model to the learner is decided from.
struct FitReminderFacts
{
    Time now{};
    qint64 answers = 0;       // in the log now
    qsizetype itemsToFit = 0; // answers a fit could predict (see fewestFitItems)
    std::optional<Time> firstAnswer;
    std::optional<AnswerMark> lastFit;      // the latest fit kept, adopted or not
    std::optional<AnswerMark> lastReminder; // when the reminder was last shown
};

// The model is fitted afresh after a month or a thousand answers.
constexpr int fitReminderDays = 30;
constexpr qint64 fitReminderAnswers = 1000;

// A reminder is due once the learner has answers enough for a fit, and a month or a thousand
// answers have passed since the last fit (or, before any, since the first answer) and since the
// reminder was last shown: so it comes at most once in each such period. Returns the answers
// given since the last fit (all of them before any), or nothing when no reminder is due.
std::optional<qint64> fitReminderDue(const FitReminderFacts &facts);

// The reminder in words, pointing to where the fit is.
QString fitReminderText(qint64 answersSinceFit, bool fittedBefore);

// The facts as the learner's memory holds them now; nothing when it cannot be read.
std::optional<FitReminderFacts> readFitReminderFacts(LearnerMemory &memory, Time now,
                                                     std::optional<AnswerMark> lastReminder);

// The reminder due now, in words, remembered as shown in the study plan's file; empty when none
// is due. A file that cannot be written is told when the plan is saved; meanwhile the reminder
// may come again, which is better than never.
QString takeFitReminder(LearnerMemory &memory, StudyPlanSettings &settings, Time now);

} // namespace learning
