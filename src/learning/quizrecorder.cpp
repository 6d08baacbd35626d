// SPDX-License-Identifier: GPL-3.0-or-later
#include "quizrecorder.h"

#include "learnermemory.h"

#include "core/dictionary.h"
#include "core/reviewsession.h"
#include "platform/services.h"

using namespace core;

namespace learning {

QuizRecorder::QuizRecorder(ReviewSession &review, const Dictionary &dictionary,
                           LearnerMemory &memory, platform::Clock &clock, QObject *parent)
    : QObject(parent), dictionary(dictionary), memory(memory), clock(clock)
{
    connect(&review, &ReviewSession::cardChanged, this, [this] {
        recorded = false;
        shownAt = this->clock.now();
    });
    connect(&review, &ReviewSession::answered, this,
            [this](const QString &word, const QString &, bool right) { record(word, right); });
}

void QuizRecorder::record(const QString &word, bool right)
{
    if (recorded)
        return;
    recorded = true;
    const QDateTime now = clock.now();
    const qint64 duration = shownAt.isValid() ? std::max<qint64>(0, shownAt.msecsTo(now)) : 0;
    memory.recordAnswer(word, right ? Rating::Good : Rating::Again, QStringLiteral("quiz"),
                        dictionaryFileName(dictionary.path()), duration, now);
}

} // namespace learning
