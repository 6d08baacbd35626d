// SPDX-License-Identifier: GPL-3.0-or-later
#include "studysession.h"

#include "core/dictionary.h"
#include "core/reviewrules.h"
#include "learnermemory.h"
#include "platform/services.h"
#include "studycard.h"
#include "studyplan.h"
#include "timetext.h"
#include "wordkey.h"

#include <algorithm>

using namespace core;

namespace learning {

namespace {

// Keeps the learning steps in due order as words come back.
void insertByDue(QList<StudyItem> &items, const StudyItem &item)
{
    const auto at = std::upper_bound(items.begin(), items.end(), item,
                                     [](const auto &a, const auto &b) { return a.due < b.due; });
    items.insert(at, item);
}

} // namespace

StudySession::StudySession(const Dictionary &dictionary, LearnerMemory &memory,
                           platform::Clock &clock, platform::Random &random, QObject *parent)
    : QObject(parent), dictionary(dictionary), memory(memory), clock(clock), random(random)
{
    // A session's positions belong to the entries it began with: another load, or an edit
    // saved over them, begins anew.
    const auto restart = [this] {
        indexed = false;
        if (currentPhase != Phase::Finished)
            start();
    };
    connect(&dictionary, &Dictionary::loaded, this, restart);
    connect(&dictionary, &Dictionary::entriesReplaced, this, restart);
}

void StudySession::setPlan(std::optional<QDate> date, int perDay)
{
    examDate = date;
    newWordsPerDay = perDay;
}

void StudySession::index()
{
    if (indexed)
        return;
    const QStringList &words = dictionary.words();
    keys.clear();
    keys.reserve(words.size());
    positionOf.clear();
    byPartOfSpeech.clear();
    for (int position = 0; position < words.size(); ++position) {
        keys << wordKey(words[position]);
        if (inReviewRange(position, dictionary.count()))
            byPartOfSpeech[partOfSpeech(dictionary.meaning(position))] << position;
    }
    // The first position of each word is the one studied.
    for (int position = dictionary.count() - 1; position >= 1; --position)
        positionOf.insert(keys[position], position);
    confusables = Confusables::read(dictionary.filePath());
    indexed = true;
}

StudyDay StudySession::day() const
{
    const QDateTime now = clock.now();
    return StudyDay{toTime(now), now.toLocalTime().date(), examDate, newWordsPerDay, 0};
}

void StudySession::start(const QString &firstWord)
{
    index();
    StudyDay today = day();
    NewWordRules newWords{dictionaryFileName(dictionary.path()), &confusables, {}};
    // When the file cannot tell, the whole budget is today's and new words are only shuffled.
    newWords.introducedLately =
        memory.wordsFirstAnsweredSince(startOfDay(today.today.addDays(1 - relatedWordsDaysApart)));
    today.startedToday = int(memory.wordsFirstAnsweredSince(startOfDay(today.today)).size());
    state = State{};
    const DueCards cards = memory.dueCards(today);
    state.queue = buildStudyQueue(keys, 1, dictionary.count(), cards.due, memory.scheduler(), today,
                                  newWords, cards.studied.isEmpty() ? nullptr : &cards.studied);
    history.clear();
    daySummary = Summary{};
    currentPhase = Phase::Finished; // nothing on show: next() takes the queue's first card
    bringForward(firstWord);
    next();
}

// The word asked for goes first, taken out of where it stood in the queue.
void StudySession::bringForward(const QString &word)
{
    const auto found = positionOf.constFind(wordKey(word));
    if (word.isEmpty() || found == positionOf.constEnd())
        return;
    StudyQueue &queue = state.queue;
    StudyItem item{*found, StudyKind::Review, Time{}};
    for (QList<StudyItem> *list : {&queue.learning, &queue.reviews, &queue.fresh}) {
        for (qsizetype i = 0; i < list->size(); ++i) {
            if ((*list)[i].position == item.position)
                item = list->takeAt(i);
        }
    }
    if (memory.cardFor(word).state == CardState::New)
        item.kind = StudyKind::New;
    item.due = Time{};
    queue.learning.prepend(item);
}

int StudySession::draw(int count)
{
    return std::clamp(int(random.rnd() * float(count)), 0, count - 1);
}

void StudySession::show(const StudyItem &item)
{
    current = item;
    QList<int> confusable;
    for (const QString &other : confusables.of(dictionary.word(item.position))) {
        const auto found = positionOf.constFind(wordKey(other));
        if (found != positionOf.constEnd())
            confusable << *found;
    }
    shownChoices =
        chooseDistractors(dictionary.words(), dictionary.meanings(), item.position, confusable,
                          byPartOfSpeech.value(partOfSpeech(dictionary.meaning(item.position))), 1,
                          dictionary.count(), [this](int count) { return draw(count); });
    shownChoices.insert(draw(int(shownChoices.size()) + 1), item.position);
    chosenChoice = -1;
    currentPhase = Phase::Question;
    shownAt = clock.now();
    emit changed();
}

QString StudySession::word() const
{
    return dictionary.word(current.position);
}

QString StudySession::meaning() const
{
    return dictionary.meaning(current.position);
}

QString StudySession::usage() const
{
    return styleUsage(dictionary.usage(current.position)).text;
}

QString StudySession::hint() const
{
    return clozeHint(usage(), word());
}

QString StudySession::choiceText(int choice) const
{
    return dictionary.meaning(shownChoices.value(choice, -1));
}

QString StudySession::choiceWord(int choice) const
{
    return dictionary.word(shownChoices.value(choice, -1));
}

bool StudySession::hasWords() const
{
    return dictionary.count() > 1;
}

void StudySession::answer(int choice)
{
    if (currentPhase != Phase::Question || choice < 0 || choice >= shownChoices.size())
        return;
    Taken taken{state, -1, clock.now(), 0};
    taken.durationMs = std::max<qint64>(0, shownAt.msecsTo(taken.time));
    chosenChoice = choice;
    currentGrade = proposedRating(answeredRight(), taken.durationMs);
    ++state.done;
    state.right += answeredRight() ? 1 : 0;
    state.learned += current.kind == StudyKind::New ? 1 : 0;
    record(taken);
    history << taken;
    currentPhase = Phase::Feedback;
    emit changed();
}

void StudySession::record(Taken &taken)
{
    if (taken.reviewId >= 0)
        memory.deleteReview(taken.reviewId);
    taken.reviewId =
        memory.recordAnswer(word(), currentGrade, QStringLiteral("study"),
                            dictionaryFileName(dictionary.path()), taken.durationMs, taken.time);
}

void StudySession::setGrade(Rating rating)
{
    if (currentPhase != Phase::Feedback || rating == currentGrade || history.isEmpty())
        return;
    currentGrade = rating;
    record(history.back());
    emit changed();
}

void StudySession::next()
{
    if (currentPhase == Phase::Feedback) {
        // The word comes back today when its step ends before tomorrow.
        const Card card = memory.cardFor(word());
        const StudyDay today = day();
        const Time due = studyDue(card, examDate, today.today);
        if (card.state != CardState::New && due < startOfDay(today.today.addDays(1)))
            insertByDue(state.queue.learning,
                        StudyItem{current.position, StudyKind::Learning, due});
    } else if (currentPhase == Phase::Question) {
        return;
    }
    StudyQueue &queue = state.queue;
    const Time now = day().now;
    if (!queue.learning.isEmpty() && queue.learning.front().due <= now)
        show(queue.learning.takeFirst());
    else if (!queue.reviews.isEmpty())
        show(queue.reviews.takeFirst());
    else if (!queue.fresh.isEmpty())
        show(queue.fresh.takeFirst());
    else if (!queue.learning.isEmpty()) // nothing else is left: its step is shortened
        show(queue.learning.takeFirst());
    else
        finish();
}

void StudySession::undo()
{
    if (history.isEmpty())
        return;
    const Taken taken = history.takeLast();
    if (taken.reviewId >= 0)
        memory.deleteReview(taken.reviewId);
    state = taken.before;
    chosenChoice = -1;
    currentPhase = Phase::Question;
    shownAt = clock.now();
    emit changed();
}

// The day's figures come from the memory, so that they are the same after a restart.
void StudySession::finish()
{
    currentPhase = Phase::Finished;
    daySummary = Summary{state.done, state.right, state.learned, 0, 0};
    if (const auto figures = memory.dayFigures(day())) {
        daySummary.reviewed = figures->answers;
        daySummary.right = figures->right;
        daySummary.learned = figures->started;
        for (auto it = figures->dueTomorrow.cbegin(); it != figures->dueTomorrow.cend(); ++it)
            daySummary.dueTomorrow += positionOf.contains(it.key()) ? 1 : 0;
        daySummary.streak = figures->streak;
    }
    emit changed();
}

StudySession::Progress StudySession::progress() const
{
    const int left = int(state.queue.size()) + (currentPhase == Phase::Question ? 1 : 0);
    int fresh = int(state.queue.fresh.size()) + state.learned;
    if (currentPhase == Phase::Question && current.kind == StudyKind::New)
        ++fresh;
    return Progress{state.done, state.done + left, fresh};
}

} // namespace learning
