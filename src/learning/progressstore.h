// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fsrs.h"
#include "learnermemory.h"
#include "parameterfit.h"
#include "parametersets.h"
#include "review.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace core {
class Dictionary;
}

namespace learning {

namespace sql {
class Failure;
}

struct ForecastInput;
struct StudyPlan;

// When each answer to a word in review was due: the review's id and the due time.
using DueTimes = std::vector<std::pair<qint64, Time>>;

// The open progress file, LearnerMemory's own part: every answer in the table `reviews` of one
// SQLite database and each word's scheduling state in `cards`, a cache rebuilt from the reviews
// whenever it is missing or stale. Several stores, in this program or another, may share a
// file.
//
// The scheduler's parameters are those of the parameter set the file has in force, if any,
// else those of the options given.
//
// Nothing here throws into an answer: a file that cannot be written turns recording into a
// no-op and status() into NotSaving, and takeNotice() says so once. Export, import and the
// parameter sets throw platform::Error with a message.
class ProgressStore
{
public:
    using Status = LearnerMemory::Status;
    using ImportResult = LearnerMemory::ImportResult;
    // ReadOnly never writes the file, not even to set a damaged one aside.
    enum class Access { ReadWrite, ReadOnly };

    explicit ProgressStore(const QString &path, SchedulerOptions options = {},
                           Access access = Access::ReadWrite);
    ~ProgressStore();
    ProgressStore(const ProgressStore &) = delete;
    ProgressStore &operator=(const ProgressStore &) = delete;

    Status status() const { return currentStatus; }
    // Whether the file could be opened and read; if not, why.
    bool isOpen() const { return statements != nullptr; }
    QString whyUnreadable() const { return problem; }
    // What the learner should be told about their progress, once; empty when nothing.
    QString takeNotice();
    const Scheduler &scheduler() const { return fsrs; }
    // Whether the store was opened with these options (whatever parameters the file holds).
    bool follows(const SchedulerOptions &options) const;

    // Records one answer and updates the word's card in one transaction, committed before this
    // returns. Returns the review's id, or -1 when nothing was recorded. An empty format is
    // "meaning" (see Review).
    qint64 recordAnswer(const QString &word, Rating rating, const QString &source,
                        const QString &dictionary, qint64 durationMs, const QDateTime &time,
                        const QString &format = QString(), const QString &wrongPick = QString());
    // Removes the last answer this store recorded (again for the one before, and so on).
    bool undoLast();
    bool deleteReview(qint64 id);

    QHash<QString, Card> loadCards();
    Card cardFor(const QString &word);
    // The cards of the words answered from `from` until `until`, as they stood at `from`,
    // replayed from the reviews before it (a new card for a word first answered in between).
    // Throws sql::Failure.
    QHash<QString, Card> cardsBefore(Time from, Time until);
    // Every review, oldest first (ties in word order).
    QList<Review> reviews();
    // The pairs of words confused most, for a list of word keys (see mostConfusedPairs).
    // Throws sql::Failure.
    QList<ProgressFigures::ConfusedPair> confusedPairs(const QStringList &listKeys);
    qint64 reviewCount();

    // Adds reviews not yet present (same word, time, rating and source) and rebuilds the cards.
    qsizetype addReviews(const QList<Review> &added);

    void exportCsv(const QString &path);
    ImportResult importCsv(const QString &path);

    // Every fit kept, newest first.
    QList<ParameterSet> parameterSets();
    // Keeps a fit; adopts it when it predicts better than the parameters in force (which must
    // be those it was weighed against), replaying every card, all in one transaction.
    bool recordFit(const FitComparison &fit, Time time);
    // Puts an adopted set in force again, or the default parameters, replaying every card.
    void useParameterSet(std::optional<qint64> id);

private:
    friend class LearnerMemory;
    // The memory report's forecast, which reads as Study Today does.
    friend ForecastInput readForecastInput(ProgressStore &store, const core::Dictionary &words,
                                           const StudyPlan &plan, const QDateTime &now);
    struct Statements;

    // The open file, for the memory's other parts (study queue, statistics); invalid when the
    // file could not be read.
    QSqlDatabase database() const { return statements ? db : QSqlDatabase(); }

    void open();
    void openWhenFree();
    void useStoredParameters();
    void switchParameters(const Parameters &parameters);
    // Runs a write that may switch the parameters; when it throws, the scheduler is put back as
    // it was, and a failure of the file is told as progress not saved.
    template <typename Write> auto restoringScheduler(Write write) -> decltype(write());
    std::optional<Parameters> activeParameters();
    bool writable() const;
    void connect(bool readOnly);
    void disconnect();
    bool healthy();
    bool moveAside();
    bool cacheIsFresh();
    void ensureFreshCache();
    void replayAll();
    void forEachReplayedCard(const std::function<void(const QString &, const Card &)> &use,
                             DueTimes *dueTimes = nullptr);
    Card replayWord(const QString &key, DueTimes *dueTimes = nullptr);
    void rewriteWord(const QString &key);
    void writeDueTimes(const DueTimes &dueTimes);
    Card readCard(const QString &key);
    void writeCard(const QString &key, const Card &card);
    void failed(const sql::Failure &failure);
    void stopSaving(const QString &why);
    void cannotRead(const QString &why);
    void requireSaving() const;

    QString path;
    SchedulerOptions requested;
    Access access;
    Scheduler fsrs;
    QString connectionName;
    QSqlDatabase db;
    std::unique_ptr<Statements> statements;
    Status currentStatus = Status::Saving;
    bool cacheFresh = false;
    QString notice;
    QString problem;
    QString movedAside;
    QList<qint64> recorded;
};

} // namespace learning
