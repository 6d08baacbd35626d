// SPDX-License-Identifier: GPL-3.0-or-later
#include "fitreminder.h"

#include "learnermemory.h"
#include "parameterfit.h"
#include "platform/error.h"
#include "studyplan.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>

namespace learning {

std::optional<qint64> fitReminderDue(const FitReminderFacts &facts)
{
    if (facts.itemsToFit < fewestFitItems)
        return std::nullopt;
    std::optional<AnswerMark> since = facts.lastFit;
    if (!since && facts.firstAnswer)
        since = AnswerMark{*facts.firstAnswer, 0};
    if (!since)
        return std::nullopt;
    const qint64 answersSinceFit = std::max<qint64>(0, facts.answers - since->answers);
    // A reminder shown since the fit starts the period afresh.
    if (facts.lastReminder && facts.lastReminder->time >= since->time)
        since = facts.lastReminder;
    const bool aMonth = facts.now - since->time >= std::chrono::days(fitReminderDays);
    const bool manyAnswers = facts.answers - since->answers >= fitReminderAnswers;
    if (!aMonth && !manyAnswers)
        return std::nullopt;
    return answersSinceFit;
}

QString fitReminderText(qint64 answersSinceFit, bool fittedBefore)
{
    const QString count = QLocale().toString(answersSinceFit);
    return fittedBefore
               ? QCoreApplication::translate("learning",
                                             "%1 answers since the memory model was last fitted "
                                             "to you: Options, Study, Fit to my answers.")
                     .arg(count)
               : QCoreApplication::translate("learning",
                                             "%1 answers, and the memory model has not yet been "
                                             "fitted to you: Options, Study, Fit to my answers.")
                     .arg(count);
}

std::optional<FitReminderFacts> readFitReminderFacts(LearnerMemory &memory, Time now,
                                                     std::optional<AnswerMark> lastReminder)
{
    const std::optional<AnswerTally> tally = memory.answerTally(fewestFitItems);
    if (!tally)
        return std::nullopt;
    FitReminderFacts facts;
    facts.now = now;
    facts.answers = tally->answers;
    facts.itemsToFit = tally->itemsToFit;
    facts.firstAnswer = tally->firstAnswer;
    const QList<ParameterSet> sets = memory.parameterSets();
    if (!sets.isEmpty())
        facts.lastFit = AnswerMark{sets.first().fittedAt, sets.first().reviews};
    facts.lastReminder = lastReminder;
    return facts;
}

QString takeFitReminder(LearnerMemory &memory, StudyPlanSettings &settings, Time now)
{
    const auto facts = readFitReminderFacts(memory, now, settings.fitReminderShown());
    const std::optional<qint64> due = facts ? fitReminderDue(*facts) : std::nullopt;
    if (!due)
        return {};
    try {
        settings.setFitReminderShown({now, facts->answers});
    } catch (const platform::Error &) {
    }
    return fitReminderText(*due, facts->lastFit.has_value());
}

} // namespace learning
