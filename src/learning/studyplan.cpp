// SPDX-License-Identifier: GPL-3.0-or-later
#include "studyplan.h"

#include "platform/services.h"
#include "platform/textfile.h"
#include "timetext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace learning {

namespace {

const QString examKey = QStringLiteral("exam_date");
const QString retentionKey = QStringLiteral("desired_retention");
const QString perDayKey = QStringLiteral("new_words_per_day");
const QString minutesKey = QStringLiteral("daily_minutes");
const QString reminderTimeKey = QStringLiteral("fit_reminder_shown_at");
const QString reminderAnswersKey = QStringLiteral("fit_reminder_shown_answers");
// Each format's switch, as the plan keeps it.
const std::array<std::pair<const char *, bool FormatSet::*>, 3> formatKeys{{
    {"text_completion", &FormatSet::textCompletion},
    {"typed_recall", &FormatSet::typedRecall},
    {"sentence_equivalence", &FormatSet::sentenceEquivalence},
}};

} // namespace

namespace {

StudyPlan fromPairs(const platform::KeyValues &pairs)
{
    StudyPlan plan;
    for (const auto &[key, value] : pairs) {
        bool ok = false;
        if (key == examKey) {
            const QDate date = QDate::fromString(value, Qt::ISODate);
            if (date.isValid())
                plan.examDate = date;
        } else if (key == retentionKey) {
            const double retention = value.toDouble(&ok);
            if (ok && retention >= lowestRetention && retention <= highestRetention)
                plan.desiredRetention = retention;
        } else if (key == perDayKey) {
            const int perDay = value.toInt(&ok);
            if (ok && perDay >= 0 && perDay <= mostNewWordsPerDay)
                plan.newWordsPerDay = perDay;
        } else if (key == minutesKey) {
            const int minutes = value.toInt(&ok);
            if (ok && minutes >= 0 && minutes <= mostDailyMinutes)
                plan.dailyMinutes = minutes;
        }
        for (const auto &[name, on] : formatKeys)
            if (key == QLatin1String(name) &&
                (value == QLatin1String("0") || value == QLatin1String("1")))
                plan.formats.*on = value == QLatin1String("1");
    }
    return plan;
}

// Both values, or nothing.
std::optional<AnswerMark> reminderFromPairs(const platform::KeyValues &pairs)
{
    std::optional<Time> time;
    std::optional<qint64> answers;
    for (const auto &[key, value] : pairs) {
        bool ok = false;
        if (key == reminderTimeKey) {
            time = parseTimeText(value);
        } else if (key == reminderAnswersKey) {
            const qint64 count = value.toLongLong(&ok);
            answers = ok && count >= 0 ? std::optional(count) : std::nullopt;
        }
    }
    if (!time || !answers)
        return std::nullopt;
    return AnswerMark{*time, *answers};
}

} // namespace

StudyPlanSettings::StudyPlanSettings(platform::Files &files, QString path, QObject *parent)
    : QObject(parent), files(files), path(std::move(path))
{
}

void StudyPlanSettings::load()
{
    const platform::KeyValues pairs = platform::readKeyValues(path);
    current = fromPairs(pairs);
    reminderShown = reminderFromPairs(pairs);
}

void StudyPlanSettings::write(const StudyPlan &plan, const std::optional<AnswerMark> &shown)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QString text = studyPlanText(plan);
    if (shown)
        text += platform::keyValueText({{reminderTimeKey, timeText(shown->time)},
                                        {reminderAnswersKey, QString::number(shown->answers)}});
    files.writeText(path, text);
}

void StudyPlanSettings::setFitReminderShown(AnswerMark shown)
{
    write(current, shown);
    reminderShown = shown;
}

void StudyPlanSettings::save(const StudyPlan &chosen, bool always)
{
    StudyPlan bounded = chosen;
    bounded.desiredRetention =
        std::clamp(chosen.desiredRetention, lowestRetention, highestRetention);
    if (bounded == current && !always)
        return;
    write(bounded, reminderShown);
    const bool retentionChanged = bounded.desiredRetention != current.desiredRetention;
    current = bounded;
    emit changed();
    if (retentionChanged)
        emit desiredRetentionChanged(current.desiredRetention);
}

QString retentionWarning(double retention)
{
    // A hair's breadth, so that 80 % typed as 80 / 100 is within.
    constexpr double margin = 1e-9;
    if (retention < lowestAdvisedRetention - margin)
        return QCoreApplication::translate(
            "learning", "Below 80 %, many words will be forgotten between reviews and learnt "
                        "again. Most learners do best between 80 and 95 %.");
    if (retention > highestAdvisedRetention + margin)
        return QCoreApplication::translate(
            "learning", "Above 95 %, words come back much more often for little more "
                        "remembered. Most learners do best between 80 and 95 %.");
    return {};
}

StudyPlan studyPlanFromText(const QString &text)
{
    return fromPairs(platform::keyValuesFromText(text));
}

StudyPlan readStudyPlan(const QString &path)
{
    return fromPairs(platform::readKeyValues(path));
}

QString studyPlanText(const StudyPlan &plan)
{
    platform::KeyValues pairs{
        {examKey, plan.examDate ? plan.examDate->toString(Qt::ISODate) : QString()},
        {retentionKey, QString::number(plan.desiredRetention, 'g', 4)},
        {perDayKey, QString::number(plan.newWordsPerDay)},
        {minutesKey, QString::number(plan.dailyMinutes)}};
    for (const auto &[name, on] : formatKeys)
        pairs.append(
            {QLatin1String(name), plan.formats.*on ? QStringLiteral("1") : QStringLiteral("0")});
    return platform::keyValueText(pairs);
}

void writeStudyPlan(platform::Files &files, const QString &path, const StudyPlan &plan)
{
    files.writeText(path, studyPlanText(plan));
}

int newWordBudget(std::optional<QDate> examDate, int newWordsPerDay, int neverStudied,
                  int startedToday, QDate today)
{
    int budget = newWordsPerDay;
    if (examDate) {
        const qint64 newWordDays = today.daysTo(*examDate) - reviewOnlyDays;
        const int unstudied = neverStudied + startedToday;
        if (newWordDays <= 0 || unstudied <= 0)
            return 0;
        budget = int(
            std::clamp<qint64>((unstudied + newWordDays - 1) / newWordDays, 1, mostNewWordsPerDay));
    }
    return std::clamp(budget - startedToday, 0, neverStudied);
}

Time startOfDay(QDate day)
{
    return toTime(day.startOfDay());
}

Time studyDue(const Card &card, std::optional<QDate> examDate, QDate today)
{
    if (!examDate || today >= *examDate || card.state == CardState::New)
        return card.due;
    const Time dayBefore = startOfDay(examDate->addDays(-1));
    if (card.due >= startOfDay(*examDate) && card.lastReview < dayBefore)
        return dayBefore;
    return card.due;
}

} // namespace learning
