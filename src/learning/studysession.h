// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cardbuilder.h"
#include "studyqueue.h"

#include <QDateTime>
#include <QObject>
#include <array>
#include <optional>

namespace core {
class Dictionary;
}
namespace platform {
class Clock;
class Random;
} // namespace platform

namespace learning {

class LearnerMemory;

// A day's study: today's plan and queue, the card on show in the format the word's memory calls
// for (studyformats.h), the answer and its grade, each answer recorded in the learner's memory
// (source "study") before the next card, undo, and the day's summary; then, when the learner asks,
// a short extra session. A word that comes due again today (answered Again, or in its learning
// steps) comes back in the same session as a repeat after its step, and after a few other cards
// when there are any.
class StudySession : public QObject
{
    Q_OBJECT
public:
    static constexpr int choiceCount = 5;
    static constexpr int equivalenceChoiceCount = 6; // sentence equivalence
    // A repeat comes back after at least this many other cards, or all that are waiting.
    static constexpr int repeatGap = 4;
    static constexpr int extraNewWords = 10;
    static constexpr int reviewAheadDays = 3; // today and the two days after
    static constexpr int extraReviews = 20;
    static constexpr int hardestWords = 10;
    enum class Phase { Question, Feedback, Finished };
    // The day's plan, or one of the extra sessions after it.
    enum class Extra { None, NewWords, ReviewAhead, Hardest };

    // What the session set out to do: for the day's plan, the list's words due as the day
    // began and its new words for the day, fixed for the day whatever is answered; with the
    // minutes they are likely to take at the learner's pace. The daily limit, when it shaped
    // the day: it held back new words, or the reviews alone take longer (all are asked).
    struct Plan
    {
        Extra extra = Extra::None;
        int reviews = 0;
        int newWords = 0;
        int minutes = 0;
        int limit = 0; // minutes; 0 when the limit left the day as it was
        bool overLimit = false;
        int total() const { return reviews + newWords; }
    };

    struct Progress
    {
        int answers = 0;  // given in this session
        int finished = 0; // words of the plan done, none of them waiting for a repeat
        int total = 0;    // words of the plan
        int repeats = 0;  // repeats of words answered today that are waiting

        bool operator==(const Progress &) const = default;
    };

    // The day's figures of the list as the memory holds them (answers from any window count),
    // so a restart shows the same.
    struct Summary
    {
        int reviewed = 0;    // answers to the list's words
        int right = 0;       // of those, answers not graded Again
        int learned = 0;     // the list's words first answered today
        int dueTomorrow = 0; // the list's words
        int streak = 0;      // days in a row with answers
        int allAnswers = 0;  // answers today to the words of every list
    };

    StudySession(const core::Dictionary &dictionary, LearnerMemory &memory, platform::Clock &clock,
                 platform::Random &random, QObject *parent = nullptr);

    void setPlan(std::optional<QDate> examDate, int newWordsPerDay, int dailyMinutes = 0);
    // The formats the learner lets Study Today ask in besides meaning; from the next card on.
    void setFormats(const FormatSet &formats) { allowedFormats = formats; }
    // Builds today's queue afresh and shows its first card: the given word's, when the
    // dictionary has it.
    void start(const QString &firstWord = QString());
    // Once the day's work is done: a short session of more new words, of words due in the next
    // few days (early reviews, which the scheduler weighs by the days since the last one), or of
    // the list's words missed most. False, and still finished, when there is none.
    bool startExtra(Extra extra);
    const Plan &plan() const { return currentPlan; }

    Phase phase() const { return currentPhase; }
    int position() const { return current.position; }
    bool isNew() const { return current.kind == StudyKind::New; }
    QString word() const;
    QString meaning() const;
    QString usage() const;
    QString hint() const;
    StudyFormat format() const { return shownCard.format; }
    const StudyCard &card() const { return shownCard; }
    // The sentence with the word blanked, in every format but meaning.
    QString sentence() const { return shownCard.sentence; }
    // The choices as dictionary positions: the words whose meanings are offered, or the words
    // themselves; none for typed recall. rightChoice() is the index of the word itself.
    const QList<int> &choices() const { return shownCard.choices; }
    // What a choice shows: a meaning, or a word.
    QString choiceText(int choice) const;
    // Whose meaning a choice is, or the word it shows: the word itself for the right one.
    QString choiceWord(int choice) const;
    QString choiceMeaning(int choice) const;
    int rightChoice() const { return shownCard.choices.indexOf(current.position); }
    // One, or the two of sentence equivalence.
    QList<int> rightChoices() const { return shownCard.rightChoices(); }
    // How many choices an answer picks: two for sentence equivalence, else one (none typed).
    int picksWanted() const;

    // Question: answers with a choice (0 to 4), proposes a grade and records it.
    void answer(int choice);
    // Question, sentence equivalence: answers with two different choices; anything else is
    // not an answer.
    void answerPair(int first, int second);
    // Question, typed recall: answers with the text typed.
    void answerTyped(const QString &text);
    // Feedback: the choice picked (the first of a pair), the choices picked, the text typed and
    // how near it was, and the grade the answer is recorded with, which the learner may change
    // until they go on.
    int chosen() const { return picked.value(0, -1); }
    const QList<int> &picks() const { return picked; }
    const QString &typed() const { return typedText; }
    Spelling spelling() const { return typedSpelling; }
    bool answeredRight() const { return right; }
    // What the review keeps of a wrong answer: the words picked wrongly (apart by a tab) or the
    // text typed; empty when right.
    QString wrongPick() const;
    Rating grade() const { return currentGrade; }
    void setGrade(Rating rating);
    // Feedback: the next card, or the summary when today's work is done.
    void next();
    // Takes the last answer back (its review is deleted) and shows that card again.
    bool canUndo() const { return !history.isEmpty(); }
    void undo();

    Progress progress() const;
    // The day's figures, once the session is finished.
    const Summary &summary() const { return daySummary; }
    // Whether the dictionary holds any word to study (its first entry is about the list).
    bool hasWords() const;
    const StudyQueue &queue() const { return state.queue; }

signals:
    void changed();

private:
    struct State
    {
        StudyQueue queue;
        StudyItem current;
        StudyCard card;
        int done = 0, right = 0, learned = 0;
        int shown = 0;      // cards shown
        int planLeft = 0;   // planned words in the queue
        QSet<int> partners; // words brought back today for being taken for another
    };
    struct Taken
    {
        State before;
        qint64 reviewId = -1;
        QDateTime time;
        qint64 durationMs = 0;
    };

    void begin(StudyQueue queue, Plan plan);
    QList<int> extraWords(Extra extra);
    NewWordRules newWordRules(QDate today);
    void bringForward(const QString &word);
    bool comesBack() const;
    void bringBackPartners();
    std::optional<StudyItem> takeNext();
    void show(const StudyItem &item);
    void finish();
    void answerWith(QList<int> choices, const QString &text);
    void record(Taken &taken);
    StudyDay day() const;
    int draw(int count);

    const core::Dictionary &dictionary;
    LearnerMemory &memory;
    platform::Clock &clock;
    platform::Random &random;
    std::optional<QDate> examDate;
    int newWordsPerDay = 20;
    int dailyMinutes = 0;
    FormatSet allowedFormats;

    // Of the dictionary, read once a load, at the first start.
    CardBuilder cardBuilder;

    State state;
    StudyItem &current = state.current;
    StudyCard &shownCard = state.card;
    Phase currentPhase = Phase::Finished;
    QDateTime shownAt;
    Plan currentPlan;
    // The answered word's card, which says whether it comes back today.
    Card answeredCard;
    QList<int> picked;
    QString typedText;
    Spelling typedSpelling = Spelling::Wrong;
    bool right = false;
    Rating currentGrade = Rating::Good;
    QList<Taken> history;
    Summary daySummary;
};

} // namespace learning
