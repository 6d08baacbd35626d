// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cardbuilder.h"

#include <QDateTime>
#include <QObject>
#include <functional>

namespace core {
class Dictionary;
}
namespace platform {
class Clock;
class Random;
} // namespace platform

namespace learning {

class LearnerMemory;

struct PracticeItem
{
    int position = -1;
    StudyFormat format = StudyFormat::TextCompletion;

    bool operator==(const PracticeItem &) const = default;
};

// Up to `size` of the words at the positions given, no word twice, in a drawn order: by sentence
// equivalence about four in ten (rounded) of the set, among the words whose material allows it
// (formatsOf), by text completion the others, and by sentence equivalence again when too few
// allow text completion; a word that allows neither is not drawn. formatsOf is asked only for
// the words the draw reaches. draw(n) gives a number in [0, n).
QList<PracticeItem> drawPracticeItems(QList<int> positions, int size,
                                      const std::function<FormatSet(int)> &formatsOf,
                                      const std::function<int(int)> &draw);

// A practice set in the exam's own formats: ten questions (fewer when fewer words qualify)
// drawn from the list's words the learner has answered before, timed as the exam's verbal
// sections are, with no feedback until the end. Answers may change until the learner
// finishes or the time runs out; then each question answered is recorded in the learner's
// memory as one review (source "practice"): right as Good, wrong as Again.
class PracticeSet : public QObject
{
    Q_OBJECT
public:
    static constexpr int questionCount = 10;
    // The exam's verbal sections allow about a minute and a half a question (12 in 18 minutes,
    // 15 in 23): 15 minutes for 10.
    static constexpr int secondsPerQuestion = 90;
    // About this share of the questions are sentence equivalence, when the words allow.
    static constexpr int equivalencePerTen = 4;
    enum class Phase { Answering, Finished };

    // A question answered wrong, or not at all; its texts are those of the list the set was
    // drawn from.
    struct Mistake
    {
        int question = -1;
        QString word;
        QString usage; // the word's sentence: the blank filled
        QStringList rightWords;
        QStringList wrongWords; // picked, not fitting; their meanings below
        QStringList wrongMeanings;
        bool answered = false;
    };

    PracticeSet(const core::Dictionary &dictionary, LearnerMemory &memory, platform::Clock &clock,
                platform::Random &random, QObject *parent = nullptr);

    // Draws a new set and starts its clock; false, with nothing to answer, when none of the
    // list's words answered before can be asked in these formats.
    bool start();
    Phase phase() const { return currentPhase; }
    int size() const { return int(questions.size()); }

    // The question on show, and going to another (Back, Next).
    int current() const { return shown; }
    void goTo(int question);
    const StudyCard &card(int question) const { return questions[question].card; }
    const QList<int> &picks(int question) const { return questions[question].picks; }
    // The answer to the question on show as it now stands.
    void setPicks(QList<int> picks);
    // Whether a question has its answer: one word, or two for sentence equivalence.
    bool answered(int question) const;
    int answeredCount() const;

    qint64 timeLimitMs() const { return qint64(size()) * secondsPerQuestion * 1000; }
    qint64 msLeft() const;
    // Ends the set, as finish() does, once its time is up.
    void checkTime();
    // Ends the set and records the answers given.
    void finish();

    // Once finished.
    bool right(int question) const;
    int rightCount() const;
    qint64 elapsedMs() const { return elapsed; }
    bool timeRanOut() const { return ranOut; }
    QList<Mistake> mistakes() const;

signals:
    void changed();

private:
    struct Question
    {
        StudyCard card;
        QList<int> picks;
        qint64 shownMs = 0; // how long it has been on show
        // The texts as the set was drawn, so that a list changed meanwhile changes none.
        QStringList choiceWords, choiceMeanings;
        QString word, usage;
    };
    int draw(int count);
    void leaveQuestion(const QDateTime &now);
    void record(const QDateTime &now);

    const core::Dictionary &dictionary;
    LearnerMemory &memory;
    platform::Clock &clock;
    platform::Random &random;
    CardBuilder cardBuilder;
    QString dictionaryName;

    QList<Question> questions;
    int shown = 0;
    Phase currentPhase = Phase::Finished;
    QDateTime startedAt, shownSince;
    qint64 elapsed = 0;
    bool ranOut = false;
};

} // namespace learning
