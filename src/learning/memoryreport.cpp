// SPDX-License-Identifier: GPL-3.0-or-later
#include "memoryreport.h"

#include "parameterfit.h"
#include "platform/error.h"
#include "progressstore.h"
#include "sql.h"
#include "timetext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cmath>

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

} // namespace

int writeMemoryReport(const QStringList &arguments, const QString &progressFile, QTextStream &out,
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
    const QString shown = QDir::toNativeSeparators(progressFile);
    if (!QFileInfo::exists(progressFile))
        return fail(QCoreApplication::translate(
                        "learning", "Cannot read the progress file %1: there is no such file.")
                        .arg(shown));
    const SchedulerOptions options;
    ProgressStore store(progressFile, options, ProgressStore::Access::ReadOnly);
    if (!store.isOpen())
        return fail(QCoreApplication::translate("learning", "Cannot read the progress file: %1.")
                        .arg(store.whyUnreadable()));
    QList<Review> reviews;
    QList<ParameterSet> sets;
    try {
        reviews = store.reviews();
        sets = store.parameterSets();
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
                       {QStringLiteral("current"), inForce}};
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
