// SPDX-License-Identifier: GPL-3.0-or-later
#include "memoryreport.h"

#include "core/dictionary.h"
#include "forecast.h"
#include "parameterfit.h"
#include "platform/error.h"
#include "progressstore.h"
#include "retentionsuggestion.h"
#include "sql.h"
#include "timetext.h"
#include "wordkey.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cmath>
#include <optional>

namespace learning {

namespace {

// JSON has no "not a number": null.
QJsonValue number(double value)
{
    return std::isfinite(value) ? QJsonValue(value) : QJsonValue(QJsonValue::Null);
}

QJsonObject figuresObject(const ParameterFigures &figures)
{
    return {{QStringLiteral("items"), qint64(figures.items)},
            {QStringLiteral("log_loss"), number(figures.logLoss)},
            {QStringLiteral("rmse_bins"), number(figures.rmseBins)},
            {QStringLiteral("auc"), number(figures.auc)}};
}

QJsonArray parametersArray(const Parameters &parameters)
{
    QJsonArray array;
    for (double w : parameters)
        array.append(w);
    return array;
}

QString scopeName(FitScope scope)
{
    switch (scope) {
    case FitScope::Nothing:
        return QStringLiteral("none");
    case FitScope::FirstAnswers:
        return QStringLiteral("first answers");
    case FitScope::AllParameters:
        break;
    }
    return QStringLiteral("all parameters");
}

// The list Study Today starts with, the shipped one unless the learner changed its file.
const QString studiedList = QStringLiteral("\\XML\\gre.xml");

QJsonObject retentionObject(const RetentionOutcome &outcome)
{
    return {{QStringLiteral("retention"), outcome.retention},
            {QStringLiteral("words_recalled"), std::round(outcome.expected * 10) / 10},
            {QStringLiteral("minutes_per_day"), std::round(outcome.minutesPerDay * 10) / 10}};
}

// The desired retention that gets the most of the list's words into the exam, when the study
// plan has an exam date ahead.
std::optional<QJsonObject> suggestionObject(ProgressStore &store, const core::Dictionary &words,
                                            const StudyPlan &plan)
{
    if (!plan.examDate)
        return std::nullopt;
    const ForecastInput input = readForecastInput(store, words, plan, QDateTime::currentDateTime());
    const auto found = suggestRetention(input);
    if (!found)
        return std::nullopt;
    return QJsonObject{{QStringLiteral("exam_date"), found->exam.toString(Qt::ISODate)},
                       {QStringLiteral("daily_minutes"), found->dailyMinutes},
                       {QStringLiteral("list"), QDir::toNativeSeparators(words.filePath())},
                       {QStringLiteral("words"), qint64(input.cards.size())},
                       {QStringLiteral("current"), retentionObject(found->current)},
                       {QStringLiteral("suggested"), retentionObject(found->suggested)},
                       {QStringLiteral("summary"), describeSuggestion(*found)}};
}

// The pairs of words confused most, each with the day of the latest time.
QJsonArray confusedArray(ProgressStore &store, const core::Dictionary &words)
{
    QStringList keys;
    // Entry 0 is the list's heading, the last an empty end.
    for (qsizetype i = 1; i < words.words().size(); ++i) {
        if (const QString key = wordKey(words.words()[i]); !key.isEmpty())
            keys << key;
    }
    QJsonArray pairs;
    for (const auto &pair : store.confusedPairs(keys))
        pairs.append(QJsonObject{
            {QStringLiteral("words"), QJsonArray{pair.first, pair.second}},
            {QStringLiteral("times"), pair.times},
            {QStringLiteral("last_on"), pair.last.toLocalTime().date().toString(Qt::ISODate)}});
    return pairs;
}

} // namespace

int writeMemoryReport(const QStringList &arguments, const QString &programFolder, QTextStream &out,
                      QTextStream &errors)
{
    const auto fail = [&errors](const QString &message) {
        errors << message << Qt::endl;
        return 1;
    };
    bool fit = false;
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--fit"))
            fit = true;
        else if (argument != QLatin1String("--memory-report"))
            return fail(QCoreApplication::translate(
                            "learning", "Unknown option %1. Use: vocabrix --memory-report [--fit]")
                            .arg(argument));
    }
    const QString progressFile =
        QDir(programFolder).filePath(QStringLiteral("progress/progress.sqlite"));
    const QString shown = QDir::toNativeSeparators(progressFile);
    if (!QFileInfo::exists(progressFile))
        return fail(QCoreApplication::translate(
                        "learning", "Cannot read the progress file %1: there is no such file.")
                        .arg(shown));
    const StudyPlan plan =
        readStudyPlan(QDir(programFolder).filePath(QStringLiteral("settings/study.txt")));
    // The cards as the program schedules them, at the plan's retention.
    const SchedulerOptions options{.desiredRetention = plan.desiredRetention};
    ProgressStore store(progressFile, options, ProgressStore::Access::ReadOnly);
    if (!store.isOpen())
        return fail(QCoreApplication::translate("learning", "Cannot read the progress file: %1.")
                        .arg(store.whyUnreadable()));
    QList<Review> reviews;
    QList<ParameterSet> sets;
    std::optional<QJsonObject> suggestion;
    QJsonArray confused;
    try {
        reviews = store.reviews();
        sets = store.parameterSets();
        core::Dictionary words(programFolder);
        words.load(studiedList);
        suggestion = suggestionObject(store, words, plan);
        confused = confusedArray(store, words);
    } catch (const platform::Error &error) {
        return fail(error.message());
    } catch (const sql::Failure &failure) {
        return fail(QCoreApplication::translate("learning", "Cannot read the progress file: %1.")
                        .arg(failure.text()));
    }

    const FitData data(reviews);
    const ItemList items = allItems(data);
    // On every item, later answers weighing more, as the reference optimizer's evaluation
    // measures a parameter set.
    const auto figures = [&](const Parameters &parameters) {
        return figuresObject(measure(data, items, parameters, Weighting::Recency));
    };
    const Parameters current = store.scheduler().options().parameters;
    QJsonObject inForce{{QStringLiteral("parameters"), parametersArray(current)},
                        {QStringLiteral("figures"), figures(current)}};
    const auto active = std::find_if(sets.cbegin(), sets.cend(),
                                     [](const ParameterSet &set) { return set.active; });
    if (active != sets.cend()) {
        inForce[QStringLiteral("source")] = QStringLiteral("fitted");
        inForce[QStringLiteral("fitted_at")] = timeText(active->fittedAt);
        inForce[QStringLiteral("fitted_to_reviews")] = active->reviews;
    } else {
        inForce[QStringLiteral("source")] = QStringLiteral("defaults");
    }
    QJsonObject report{{QStringLiteral("progress_file"), shown},
                       {QStringLiteral("reviews"), qint64(data.reviewCount())},
                       {QStringLiteral("words"), data.wordCount()},
                       {QStringLiteral("items"), qint64(items.size())},
                       {QStringLiteral("current"), inForce},
                       {QStringLiteral("confused_pairs"), confused}};
    if (suggestion)
        report[QStringLiteral("suggested_retention")] = *suggestion;
    if (fit) {
        FitControl control;
        const auto comparison =
            fitAndCompare(data, current, int(options.relearningSteps.size()), control);
        report[QStringLiteral("fitted")] = QJsonObject{
            {QStringLiteral("scope"), scopeName(comparison->fitted.scope)},
            {QStringLiteral("items"), qint64(comparison->fitted.items)},
            {QStringLiteral("parameters"), parametersArray(comparison->fitted.parameters)},
            {QStringLiteral("figures"), figures(comparison->fitted.parameters)}};
        report[QStringLiteral("held_out")] =
            QJsonObject{{QStringLiteral("items"), qint64(comparison->heldOutItems)},
                        {QStringLiteral("current"), figuresObject(comparison->currentFigures)},
                        {QStringLiteral("fitted"), figuresObject(comparison->fittedFigures)},
                        {QStringLiteral("better"), comparison->better()}};
        report[QStringLiteral("summary")] = describeFit(*comparison);
    }
    out << QString::fromUtf8(QJsonDocument(report).toJson(QJsonDocument::Indented));
    out.flush();
    return 0;
}

} // namespace learning
