// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QObject>
#include <functional>

class ReviewSession;
namespace platform {
class clock;
}

namespace learning {

class ProgressStore;

// Records the review quiz's answers in the learner's memory: the first answer to each showing
// of a word (right is Good, wrong is Again), timed from the moment the word showed. Further
// clicks on the same showing count in the quiz's score but are not reviews.
class QuizRecorder : public QObject
{
    Q_OBJECT
public:
    // The store is asked for at the first answer, so that nothing opens it at start-up.
    QuizRecorder(ReviewSession &review, std::function<QString()> dictionaryName,
                 std::function<ProgressStore &()> store, platform::clock &clock,
                 QObject *parent = nullptr);

signals:
    // Something the learner must be told about their progress (it is not being saved, a damaged
    // file was set aside); said once.
    void notice(const QString &text);

private:
    void record(const QString &word, bool right);

    std::function<QString()> dictionaryName;
    std::function<ProgressStore &()> store;
    platform::clock &clock;
    QDateTime shownAt;
    bool recorded = false;
};

} // namespace learning
