// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/confusables.h"
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

// A day's study: today's queue, the card on show with its five choices, the answer and its
// grade, each answer recorded in the learner's memory (source "study") before the next card,
// undo, and the day's summary. A word that comes due again today (answered Again, or in its
// learning steps) comes back in the same session after its step.
class StudySession : public QObject
{
    Q_OBJECT
public:
    static constexpr int choiceCount = 5;
    enum class Phase { Question, Feedback, Finished };

    struct Progress
    {
        int done = 0;  // answers given
        int total = 0; // answers given and cards still to come
        int fresh = 0; // new words in today's work
    };

    // The day's figures as the memory holds them (answers from any window count), so a restart
    // shows the same.
    struct Summary
    {
        int reviewed = 0;
        int right = 0;       // answers not graded Again
        int learned = 0;     // words first answered today
        int dueTomorrow = 0; // words of this dictionary
        int streak = 0;      // days in a row with answers
    };

    StudySession(const core::Dictionary &dictionary, LearnerMemory &memory, platform::Clock &clock,
                 platform::Random &random, QObject *parent = nullptr);

    void setPlan(std::optional<QDate> examDate, int newWordsPerDay);
    // Builds today's queue afresh and shows its first card: the given word's, when the
    // dictionary has it.
    void start(const QString &firstWord = QString());

    Phase phase() const { return currentPhase; }
    int position() const { return current.position; }
    bool isNew() const { return current.kind == StudyKind::New; }
    QString word() const;
    QString meaning() const;
    QString usage() const;
    QString hint() const;
    // The five choices as dictionary positions; rightChoice() is the index of the word itself.
    const QList<int> &choices() const { return shownChoices; }
    QString choiceText(int choice) const;
    // Whose meaning a choice is: the word itself for the right one, another word of the list
    // for each wrong one.
    QString choiceWord(int choice) const;
    int rightChoice() const { return shownChoices.indexOf(current.position); }

    // Question: answers with a choice (0 to 4), proposes a grade and records it.
    void answer(int choice);
    // Feedback: the choice picked, and the grade it is recorded with, which the learner may
    // change until they go on.
    int chosen() const { return chosenChoice; }
    bool answeredRight() const { return chosenChoice == rightChoice(); }
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
        QList<int> choices;
        int done = 0, right = 0, learned = 0;
    };
    struct Taken
    {
        State before;
        qint64 reviewId = -1;
        QDateTime time;
        qint64 durationMs = 0;
    };

    void index();
    void bringForward(const QString &word);
    void show(const StudyItem &item);
    void finish();
    void record(Taken &taken);
    StudyDay day() const;
    int draw(int count);

    const core::Dictionary &dictionary;
    LearnerMemory &memory;
    platform::Clock &clock;
    platform::Random &random;
    std::optional<QDate> examDate;
    int newWordsPerDay = 20;

    // Of the dictionary, made once a load: each position's key, the first position of each
    // key, the positions of each part of speech, and the distractor file read lazily.
    bool indexed = false;
    QStringList keys;
    QHash<QString, int> positionOf;
    QHash<QString, QList<int>> byPartOfSpeech;
    core::Confusables confusables;

    State state;
    StudyItem &current = state.current;
    QList<int> &shownChoices = state.choices;
    Phase currentPhase = Phase::Finished;
    QDateTime shownAt;
    int chosenChoice = -1;
    Rating currentGrade = Rating::Good;
    QList<Taken> history;
    Summary daySummary;
};

} // namespace learning
