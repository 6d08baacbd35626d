// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fsrs.h"
#include "parametersets.h"
#include "progressfigures.h"
#include "review.h"
#include "studyqueue.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <memory>
#include <optional>

namespace learning {

class ProgressStore;
struct FitComparison;

// How the learner studied lately.
struct RecentStudy
{
    int recentAnswers = 0; // since the time asked about
    std::optional<Time> firstAnswer;
    QSet<QString> recentlyStarted; // words first answered since then
};

// How much the learner answered, all told.
struct AnswerTally
{
    qint64 answers = 0;
    std::optional<Time> firstAnswer;
    // The answers given a day or more after the word's answer before: those a fit predicts.
    qsizetype itemsToFit = 0;
};

// The learner's memory: every answer given, in any window, and each word's scheduling state,
// kept in one SQLite file that this object alone opens and queries. The file is opened the
// first time something needs it, never at start-up; several programs may share it.
//
// Nothing here throws into an answer: a file that cannot be written turns recording into a
// no-op, and notice() says so once. Export and import, which the learner starts, throw
// platform::Error with a message. Use it from one thread.
class LearnerMemory : public QObject
{
    Q_OBJECT
public:
    enum class Status {
        Saving,
        StartedAfresh, // the old file was damaged, moved aside, and a new one started
        NotSaving,
    };

    struct ImportResult
    {
        qsizetype added = 0;
        qsizetype skipped = 0; // already present
    };

    // The day's figures as the memory holds them, whichever window the answers came from.
    struct DayFigures
    {
        int answers = 0;
        int right = 0;   // answers not graded Again
        int started = 0; // words first answered that day
        int streak = 0;  // days in a row with answers, up to that day
        QHash<QString, Card> dueTomorrow;
    };

    explicit LearnerMemory(QString path, QObject *parent = nullptr);
    ~LearnerMemory() override;

    const QString &filePath() const { return path; }

    // The scheduler's options from the next use on: a file open with other ones is closed, and
    // opened again with these when next needed, which replays its cards. Their parameters are
    // the defaults for a file without a parameter set in force.
    void setSchedulerOptions(SchedulerOptions options);
    // With the parameters the file has in force.
    const Scheduler &scheduler();
    Status status();

    // Records one answer and updates the word's card in one transaction, committed before this
    // returns. Returns the review's id, or -1 when nothing was recorded. How the word was asked
    // and the wrong pick are kept with it (see Review); an empty format is "meaning".
    qint64 recordAnswer(const QString &word, Rating rating, const QString &source,
                        const QString &dictionary, qint64 durationMs, const QDateTime &time,
                        const QString &format = QString(), const QString &wrongPick = QString());
    // Removes the last answer recorded since the file was opened (again for the one before,
    // and so on).
    bool undoLast();
    bool deleteReview(qint64 id);

    QHash<QString, Card> loadCards();
    Card cardFor(const QString &word);
    // Every review, oldest first (ties in word order). Throws platform::Error.
    QList<Review> reviews();
    qint64 reviewCount();

    // What Study Today's queue needs (see DueCards); the cards alone when the file cannot be
    // written or read.
    DueCards dueCards(const StudyDay &day);
    // The keys of the words whose first answer was at or after a time; none when unknown.
    QSet<QString> wordsFirstAnsweredSince(Time since);
    // The learner's study since a time; nothing when unknown.
    RecentStudy recentStudy(Time since);
    // The figures of the day, with the cards due the day after; nullopt when unknown.
    std::optional<DayFigures> dayFigures(const StudyDay &day);
    // Each word answered on a day, with its answers and its card as the day began; none when
    // unknown.
    DayWords dayWords(QDate day);
    // How long the learner's latest answers before a time took (the day's start, for a plan
    // that keeps its minutes all day); the defaults when unknown.
    AnswerTimes answerTimes(Time before);
    // The words answered Again at least once, most misses first (see ProgressFigures::hardest);
    // none when unknown.
    QList<ProgressFigures::MissedWord> mostMissedWords();

    // The Progress window's figures for a list of word keys (see wordKey). Throws
    // platform::Error when the file cannot be read.
    ProgressFigures figures(const QStringList &wordKeys, const QDateTime &now,
                            std::optional<QDate> examDate);

    // Adds reviews not yet present (same word, time, rating and source) and rebuilds the cards;
    // returns how many were added.
    qsizetype addReviews(const QList<Review> &added);
    void exportCsv(const QString &path);
    ImportResult importCsv(const QString &path);

    // The tally of every answer, the items to fit counted up to itemsAtMost; nothing when
    // unknown.
    std::optional<AnswerTally> answerTally(qsizetype itemsAtMost);
    // Every fit of the memory model kept in the file, newest first; none when unknown.
    QList<ParameterSet> parameterSets();
    // Keeps a finished fit (see BackgroundFit) in the file, and adopts it when it predicts the
    // learner's answers better than the parameters in force: its parameters schedule from then
    // on and every card is replayed, all in one transaction. Returns whether it was adopted.
    // Throws platform::Error when the file cannot be written or the parameters in force are no
    // longer those the fit was weighed against.
    bool recordFit(const FitComparison &fit, const QDateTime &time);
    // Puts an adopted parameter set in force again, or the default parameters (nothing), and
    // replays every card. Throws platform::Error.
    void useParameterSet(std::optional<qint64> id);

signals:
    // Something the learner must be told about their progress (it is not being saved, a damaged
    // file was set aside); said once.
    void notice(const QString &text);
    // Answers were recorded, taken back or added, or other parameters put in force.
    void changed();

private:
    ProgressStore &store();
    // Says what the file has to say, once.
    void passOnNotice();

    QString path;
    SchedulerOptions options;
    std::unique_ptr<ProgressStore> file;
};

} // namespace learning
