// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QObject>

namespace core {
class Dictionary;
}
namespace core {
class ReviewSession;
}
namespace platform {
class Clock;
}

namespace learning {

class LearnerMemory;

// Records the review quiz's answers in the learner's memory: the first answer to each showing
// of a word (right is Good, wrong is Again), timed from the moment the word showed. Further
// clicks on the same showing count in the quiz's score but are not reviews.
class QuizRecorder : public QObject
{
    Q_OBJECT
public:
    // The dictionary is the quiz's, whose file name goes with each answer.
    QuizRecorder(core::ReviewSession &review, const core::Dictionary &dictionary,
                 LearnerMemory &memory, platform::Clock &clock, QObject *parent = nullptr);

private:
    void record(const QString &word, bool right);

    const core::Dictionary &dictionary;
    LearnerMemory &memory;
    platform::Clock &clock;
    QDateTime shownAt;
    bool recorded = false;
};

} // namespace learning
