// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter sets in the progress file: the one in force, fits kept and adopted, going back.

#include "progressstoreparts.h"

#include "platform/error.h"
#include "schema.h"
#include "timetext.h"

#include <QLocale>
#include <QStringList>
#include <QVariant>
#include <cmath>

namespace learning {

namespace {

constexpr Parameters defaults = SchedulerOptions::defaultParameters;

const QString setColumns =
    QStringLiteral("id, fitted_at, parameters, reviews, items, held_out, log_loss, rmse_bins, auc, "
                   "replaced_log_loss, replaced_rmse_bins, replaced_auc, adopted, active");

// NULL for a figure that is not a number.
QVariant figure(double value)
{
    return std::isnan(value) ? QVariant() : QVariant(value);
}

ParameterFigures figuresFrom(const QSqlQuery &row, int first, qsizetype items)
{
    const auto number = [&](int column) {
        const QVariant value = row.value(column);
        return value.isNull() ? std::nan("") : value.toDouble();
    };
    return {number(first), number(first + 1), number(first + 2), items};
}

platform::Error notSaved(const sql::Failure &failure)
{
    return platform::Error(
        platform::Error::io,
        QCoreApplication::translate("learning", "The memory parameters could not be saved: %1")
            .arg(failure.text()));
}

} // namespace

QString parametersText(const Parameters &parameters)
{
    QStringList numbers;
    for (double w : parameters)
        numbers << QString::number(w, 'g', QLocale::FloatingPointShortest);
    return numbers.join(QLatin1Char(' '));
}

std::optional<Parameters> parametersFromText(const QString &text)
{
    const QStringList numbers = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (numbers.size() != int(Parameters().size()))
        return std::nullopt;
    Parameters parameters;
    for (int i = 0; i < numbers.size(); ++i) {
        bool ok = false;
        parameters[i] = numbers[i].toDouble(&ok);
        if (!ok || !std::isfinite(parameters[i]))
            return std::nullopt;
    }
    return parameters;
}

bool ProgressStore::follows(const SchedulerOptions &options) const
{
    return Scheduler(options).fingerprint() == Scheduler(requested).fingerprint();
}

// The active set's parameters; nothing when none is active. A set edited into something else
// than 21 numbers counts as none, and one out of FSRS-6's bounds is brought within them.
std::optional<Parameters> ProgressStore::activeParameters()
{
    if (!schema::hasParameterSets(db))
        return std::nullopt;
    const QVariant text =
        sql::value(db, QStringLiteral("SELECT parameters FROM parameter_sets WHERE active = 1"));
    const auto parameters = parametersFromText(text.toString());
    if (!parameters)
        return std::nullopt;
    return clampParameters(*parameters, int(requested.relearningSteps.size()));
}

void ProgressStore::switchParameters(const Parameters &parameters)
{
    SchedulerOptions options = requested;
    options.parameters = parameters;
    fsrs = Scheduler(options);
}

void ProgressStore::useStoredParameters()
{
    switchParameters(activeParameters().value_or(requested.parameters));
}

QList<ParameterSet> ProgressStore::parameterSets()
{
    QList<ParameterSet> sets;
    if (!statements || !schema::hasParameterSets(db))
        return sets;
    QSqlQuery rows = sql::prepare(
        db, QStringLiteral("SELECT %1 FROM parameter_sets ORDER BY id DESC").arg(setColumns));
    sql::exec(rows);
    while (rows.next()) {
        ParameterSet set;
        set.id = rows.value(0).toLongLong();
        set.fittedAt = parseTimeText(rows.value(1).toString()).value_or(Time{});
        set.parameters = parametersFromText(rows.value(2).toString()).value_or(defaults);
        set.reviews = rows.value(3).toLongLong();
        set.items = rows.value(4).toLongLong();
        set.heldOutItems = rows.value(5).toLongLong();
        set.figures = figuresFrom(rows, 6, set.heldOutItems);
        set.replacedFigures = figuresFrom(rows, 9, set.heldOutItems);
        set.adopted = rows.value(12).toBool();
        set.active = rows.value(13).toBool();
        sets << set;
    }
    return sets;
}

template <typename Write> auto ProgressStore::restoringScheduler(Write write) -> decltype(write())
{
    const Scheduler before = fsrs;
    try {
        return write();
    } catch (const sql::Failure &failure) {
        fsrs = before;
        throw notSaved(failure);
    } catch (...) {
        fsrs = before;
        throw;
    }
}

bool ProgressStore::recordFit(const FitComparison &fit, Time time)
{
    requireSaving();
    return restoringScheduler([&] {
        sql::WriteTransaction transaction(db);
        schema::ensureParameterSets(db);
        // Weighed against other parameters than those in force now (another program adopted
        // some meanwhile, or the learner went back): its figures say nothing about these.
        if (activeParameters().value_or(requested.parameters) != fit.current)
            throw platform::Error(
                platform::Error::io,
                QCoreApplication::translate("learning",
                                            "The memory parameters changed while the fit ran; "
                                            "nothing was adopted. Fit again."));
        const bool adopt = fit.better();
        if (adopt)
            sql::exec(db, QStringLiteral("UPDATE parameter_sets SET active = 0 WHERE active = 1"));
        QSqlQuery insert = sql::prepare(
            db, QStringLiteral("INSERT INTO parameter_sets (%1) VALUES (NULL, ?, ?, ?, ?, ?, ?, ?, "
                               "?, ?, ?, ?, ?, ?)")
                    .arg(setColumns));
        for (const QVariant &value :
             {QVariant(timeText(time)), QVariant(parametersText(fit.fitted.parameters)),
              QVariant(fit.reviews), QVariant(qint64(fit.items)),
              QVariant(qint64(fit.heldOutItems)), figure(fit.fittedFigures.logLoss),
              figure(fit.fittedFigures.rmseBins), figure(fit.fittedFigures.auc),
              figure(fit.currentFigures.logLoss), figure(fit.currentFigures.rmseBins),
              figure(fit.currentFigures.auc), QVariant(int(adopt)), QVariant(int(adopt))})
            insert.addBindValue(value);
        sql::exec(insert);
        if (adopt) {
            switchParameters(fit.fitted.parameters);
            replayAll();
        }
        transaction.commit();
        if (adopt)
            cacheFresh = true;
        return adopt;
    });
}

void ProgressStore::useParameterSet(std::optional<qint64> id)
{
    requireSaving();
    restoringScheduler([&] {
        sql::WriteTransaction transaction(db);
        const bool kept = schema::hasParameterSets(db);
        Parameters parameters = requested.parameters;
        if (id) {
            std::optional<Parameters> stored;
            if (kept) {
                QSqlQuery row = sql::prepare(
                    db, QStringLiteral("SELECT parameters FROM parameter_sets WHERE id = ? AND "
                                       "adopted = 1"));
                row.addBindValue(*id);
                sql::exec(row);
                if (row.next())
                    stored = parametersFromText(row.value(0).toString());
            }
            if (!stored)
                throw platform::Error(
                    platform::Error::io,
                    QCoreApplication::translate("learning",
                                                "There is no such set of memory parameters."));
            parameters = clampParameters(*stored, int(requested.relearningSteps.size()));
        }
        if (kept)
            sql::exec(db, QStringLiteral("UPDATE parameter_sets SET active = 0 WHERE active = 1"));
        if (id) {
            QSqlQuery activate = sql::prepare(
                db, QStringLiteral("UPDATE parameter_sets SET active = 1 WHERE id = ?"));
            activate.addBindValue(*id);
            sql::exec(activate);
        }
        switchParameters(parameters);
        replayAll();
        transaction.commit();
        cacheFresh = true;
    });
}

} // namespace learning
