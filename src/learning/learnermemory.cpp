// SPDX-License-Identifier: GPL-3.0-or-later
#include "learnermemory.h"

#include "progressstore.h"
#include "sql.h"
#include "statistics.h"
#include "studyplan.h"
#include "studyreads.h"
#include "timetext.h"

#include <type_traits>
#include <utility>

namespace learning {

namespace {

// Runs an operation that may throw, then `after` whether it threw or not.
template <typename Operation, typename After>
auto andThen(Operation operation, After after) -> decltype(operation())
{
    try {
        if constexpr (std::is_void_v<decltype(operation())>) {
            operation();
            after();
        } else {
            auto result = operation();
            after();
            return result;
        }
    } catch (...) {
        after();
        throw;
    }
}

} // namespace

LearnerMemory::LearnerMemory(QString file, QObject *parent) : QObject(parent), path(std::move(file))
{
}

LearnerMemory::~LearnerMemory() = default;

ProgressStore &LearnerMemory::store()
{
    if (!file)
        file = std::make_unique<ProgressStore>(path, options);
    return *file;
}

void LearnerMemory::passOnNotice()
{
    if (!file)
        return;
    if (const QString text = file->takeNotice(); !text.isEmpty())
        emit notice(text);
}

void LearnerMemory::setSchedulerOptions(SchedulerOptions changed)
{
    options = std::move(changed);
    if (file && !file->follows(options))
        file.reset();
}

const Scheduler &LearnerMemory::scheduler()
{
    const Scheduler &opened = store().scheduler();
    passOnNotice();
    return opened;
}

LearnerMemory::Status LearnerMemory::status()
{
    const Status now = store().status();
    passOnNotice();
    return now;
}

qint64 LearnerMemory::recordAnswer(const QString &word, Rating rating, const QString &source,
                                   const QString &dictionary, qint64 durationMs,
                                   const QDateTime &time, const QString &format,
                                   const QString &wrongPick)
{
    const qint64 id =
        store().recordAnswer(word, rating, source, dictionary, durationMs, time, format, wrongPick);
    passOnNotice();
    if (id >= 0)
        emit changed();
    return id;
}

bool LearnerMemory::undoLast()
{
    const bool undone = store().undoLast();
    passOnNotice();
    if (undone)
        emit changed();
    return undone;
}

bool LearnerMemory::deleteReview(qint64 id)
{
    const bool deleted = store().deleteReview(id);
    passOnNotice();
    if (deleted)
        emit changed();
    return deleted;
}

QHash<QString, Card> LearnerMemory::loadCards()
{
    QHash<QString, Card> cards = store().loadCards();
    passOnNotice();
    return cards;
}

Card LearnerMemory::cardFor(const QString &word)
{
    const Card card = store().cardFor(word);
    passOnNotice();
    return card;
}

QList<Review> LearnerMemory::reviews()
{
    return andThen([this] { return store().reviews(); }, [this] { passOnNotice(); });
}

qint64 LearnerMemory::reviewCount()
{
    const qint64 count = store().reviewCount();
    passOnNotice();
    return count;
}

DueCards LearnerMemory::dueCards(const StudyDay &day)
{
    ProgressStore &opened = store();
    DueCards cards;
    // The cards in the file are up to date unless it cannot be written; then they are replayed.
    if (opened.status() == Status::NotSaving) {
        cards.due = opened.loadCards();
    } else {
        try {
            cards = readDueCards(opened.database(), day);
        } catch (const sql::Failure &) {
            cards = DueCards{opened.loadCards(), {}};
        }
    }
    passOnNotice();
    return cards;
}

QSet<QString> LearnerMemory::wordsFirstAnsweredSince(Time since)
{
    QSet<QString> words;
    try {
        words = learning::wordsFirstAnsweredSince(store().database(), since);
    } catch (const sql::Failure &) {
    }
    passOnNotice();
    return words;
}

std::optional<AnswerTally> LearnerMemory::answerTally(qsizetype itemsAtMost)
{
    std::optional<AnswerTally> tally;
    try {
        tally = readAnswerTally(store().database(), itemsAtMost);
    } catch (const sql::Failure &) {
    }
    passOnNotice();
    return tally;
}

RecentStudy LearnerMemory::recentStudy(Time since)
{
    RecentStudy times;
    try {
        times = readRecentStudy(store().database(), since);
    } catch (const sql::Failure &) {
    }
    passOnNotice();
    return times;
}

std::optional<LearnerMemory::DayFigures> LearnerMemory::dayFigures(const StudyDay &day)
{
    const QSqlDatabase db = store().database();
    std::optional<DayFigures> figures;
    if (db.isOpen()) {
        try {
            const DayAnswers answers = answersOn(db, day.today);
            StudyDay tomorrow = day;
            tomorrow.today = day.today.addDays(1);
            figures = DayFigures{answers.answers, answers.right,
                                 wordsStartedSince(db, startOfDay(day.today)),
                                 dayStreak(db, day.today), readDueCards(db, tomorrow).due};
        } catch (const sql::Failure &) {
        }
    }
    passOnNotice();
    return figures;
}

DayWords LearnerMemory::dayWords(QDate day)
{
    ProgressStore &opened = store();
    DayWords words;
    try {
        const auto answers = answersByWord(opened.database(), day);
        if (!answers.isEmpty()) {
            const QHash<QString, Card> before =
                opened.cardsBefore(startOfDay(day), startOfDay(day.addDays(1)));
            for (auto it = answers.cbegin(); it != answers.cend(); ++it)
                words.insert(it.key(), WordDay{it->answers, it->right, before.value(it.key())});
        }
    } catch (const sql::Failure &) {
    }
    passOnNotice();
    return words;
}

AnswerTimes LearnerMemory::answerTimes(Time before)
{
    AnswerTimes times;
    try {
        times = readAnswerTimes(store().database(), answerTimesSample, before);
    } catch (const sql::Failure &) {
    }
    passOnNotice();
    return times;
}

QList<ProgressFigures::MissedWord> LearnerMemory::mostMissedWords()
{
    QList<ProgressFigures::MissedWord> words;
    try {
        words = learning::mostMissedWords(store().database());
    } catch (const sql::Failure &) {
    }
    passOnNotice();
    return words;
}

ProgressFigures LearnerMemory::figures(const QStringList &wordKeys, const QDateTime &now,
                                       std::optional<QDate> examDate)
{
    return andThen(
        [&] {
            const ProgressStore &opened = store();
            return Statistics(opened.database(), opened.scheduler())
                .figures(wordKeys, now, examDate);
        },
        [this] { passOnNotice(); });
}

qsizetype LearnerMemory::addReviews(const QList<Review> &added)
{
    const qsizetype count =
        andThen([&] { return store().addReviews(added); }, [this] { passOnNotice(); });
    if (count > 0)
        emit changed();
    return count;
}

void LearnerMemory::exportCsv(const QString &target)
{
    andThen([&] { store().exportCsv(target); }, [this] { passOnNotice(); });
}

LearnerMemory::ImportResult LearnerMemory::importCsv(const QString &source)
{
    const ImportResult result =
        andThen([&] { return store().importCsv(source); }, [this] { passOnNotice(); });
    if (result.added > 0)
        emit changed();
    return result;
}

QList<ParameterSet> LearnerMemory::parameterSets()
{
    QList<ParameterSet> sets;
    try {
        sets = store().parameterSets();
    } catch (const sql::Failure &) {
    }
    passOnNotice();
    return sets;
}

bool LearnerMemory::recordFit(const FitComparison &fit, const QDateTime &time)
{
    const bool adopted =
        andThen([&] { return store().recordFit(fit, toTime(time)); }, [this] { passOnNotice(); });
    if (adopted)
        emit changed();
    return adopted;
}

void LearnerMemory::useParameterSet(std::optional<qint64> id)
{
    andThen([&] { store().useParameterSet(id); }, [this] { passOnNotice(); });
    emit changed();
}

} // namespace learning
