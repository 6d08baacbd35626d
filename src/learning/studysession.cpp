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
    : QObject(parent), dictionary(dictionary), memory(memory), clock(clock), random(random),
      cardBuilder(dictionary)
{
    // A session's positions belong to the entries it began with: another load, or an edit
    // saved over them, begins anew.
    const auto restart = [this] {
        cardBuilder.reset();
        if (currentPhase != Phase::Finished)
            start();
    };
    connect(&dictionary, &Dictionary::loaded, this, restart);
    connect(&dictionary, &Dictionary::entriesReplaced, this, restart);
}

void StudySession::setPlan(std::optional<QDate> date, int perDay, int minutes)
{
    examDate = date;
    newWordsPerDay = perDay;
    dailyMinutes = minutes;
}

StudyDay StudySession::day() const
{
    const QDateTime now = clock.now();
    return StudyDay{
        toTime(now), now.toLocalTime().date(), examDate, newWordsPerDay, 0, dailyMinutes, {}};
}

NewWordRules StudySession::newWordRules(QDate today)
{
    NewWordRules rules{dictionaryFileName(dictionary.path()), &cardBuilder.confusables(), {}, {}};
    // When the file cannot tell, new words are only shuffled.
    rules.readIntroducedLately = [this,
                                  since = startOfDay(today.addDays(1 - relatedWordsDaysApart))] {
        return memory.wordsFirstAnsweredSince(since);
    };
    return rules;
}

void StudySession::start(const QString &firstWord)
{
    cardBuilder.index();
    StudyDay today = day();
    today.times = memory.answerTimes(startOfDay(today.today));
    const NewWordRules newWords = newWordRules(today.today);
    const DueCards cards = memory.dueCards(today);
    const DayWords answered = memory.dayWords(today.today);
    StudyQueue queue = buildStudyQueue(
        cardBuilder.keys(), 1, dictionary.count(), cards.due, memory.scheduler(), today, newWords,
        cards.studied.isEmpty() ? nullptr : &cards.studied, &answered);
    Plan plan{Extra::None, queue.plannedReviews, queue.plannedNewWords};
    plan.minutes = today.times.minutes(plan.reviews, plan.newWords);
    plan.overLimit = dailyMinutes > 0 && today.times.minutes(plan.reviews, 0) > dailyMinutes;
    plan.limit = plan.overLimit || queue.newWordsHeld ? dailyMinutes : 0;
    begin(std::move(queue), plan);
    bringForward(firstWord);
    next();
}

void StudySession::begin(StudyQueue queue, Plan plan)
{
    state = State{};
    state.queue = std::move(queue);
    for (const QList<StudyItem> *list :
         {&state.queue.learning, &state.queue.reviews, &state.queue.fresh})
        state.planLeft += int(std::count_if(list->cbegin(), list->cend(),
                                            [](const StudyItem &item) { return item.planned; }));
    currentPlan = plan;
    history.clear();
    daySummary = Summary{};
    currentPhase = Phase::Finished; // nothing on show: next() takes the queue's first card
}

bool StudySession::startExtra(Extra extra)
{
    if (extra == Extra::None || currentPhase != Phase::Finished)
        return false;
    cardBuilder.index();
    const QList<int> words = extraWords(extra);
    if (words.isEmpty())
        return false;
    StudyQueue queue;
    const Time now = day().now;
    const StudyKind kind = extra == Extra::NewWords ? StudyKind::New : StudyKind::Review;
    for (int position : words)
        (kind == StudyKind::New ? queue.fresh : queue.reviews) << StudyItem{position, kind, now};
    const int count = int(words.size());
    Plan plan{extra, kind == StudyKind::New ? 0 : count, kind == StudyKind::New ? count : 0};
    plan.minutes = memory.answerTimes(startOfDay(day().today)).minutes(plan.reviews, plan.newWords);
    begin(std::move(queue), plan);
    next();
    return true;
}

// The words of an extra session, in the order they are asked.
QList<int> StudySession::extraWords(Extra extra)
{
    const StudyDay today = day();
    QList<int> words;
    if (extra == Extra::Hardest) {
        for (const auto &missed : memory.mostMissedWords()) {
            if (const auto found = cardBuilder.positions().constFind(missed.key);
                found != cardBuilder.positions().cend())
                words << *found;
            if (words.size() == hardestWords)
                break;
        }
        return words;
    }
    StudyDay ahead = today;
    ahead.today = today.today.addDays(reviewAheadDays - 1);
    const DueCards cards = memory.dueCards(ahead);
    if (extra == Extra::NewWords) {
        QList<int> unstudied;
        for (auto it = cardBuilder.positions().cbegin(); it != cardBuilder.positions().cend(); ++it)
            if (!cards.studied.contains(it.key()) && !cards.due.contains(it.key()))
                unstudied << *it;
        std::sort(unstudied.begin(), unstudied.end());
        return chooseNewWords(cardBuilder.keys(), unstudied, extraNewWords,
                              newWordRules(today.today));
    }
    // Words due in the next days, soonest first; those due today are the day's work.
    const Time tomorrow = startOfDay(today.today.addDays(1));
    QList<std::pair<Time, int>> due;
    for (auto it = cards.due.cbegin(); it != cards.due.cend(); ++it) {
        const auto found = cardBuilder.positions().constFind(it.key());
        if (found != cardBuilder.positions().cend() && it->state == CardState::Review &&
            studyDue(*it, examDate, today.today) >= tomorrow)
            due.append({it->due, *found});
    }
    std::sort(due.begin(), due.end());
    for (qsizetype i = 0; i < due.size() && i < extraReviews; ++i)
        words << due[i].second;
    return words;
}

// The word asked for goes first, taken out of where it stood in the queue.
void StudySession::bringForward(const QString &word)
{
    const auto found = cardBuilder.positions().constFind(wordKey(word));
    if (word.isEmpty() || found == cardBuilder.positions().constEnd())
        return;
    StudyQueue &queue = state.queue;
    StudyItem item{*found, StudyKind::Review, Time{}, false};
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
    ++state.shown;
    state.planLeft -= item.planned ? 1 : 0;
    const Card card = item.kind == StudyKind::New ? Card{} : memory.cardFor(word());
    // Typed recall or sentence equivalence for a mature word, drawn: the draw is spent only then.
    const StudyFormat format =
        chooseFormat(card, cardBuilder.possibleFormats(item.position) & allowedFormats,
                     isMature(card) ? draw(2) : 0);
    shownCard = cardBuilder.build(item.position, format, [this](int count) { return draw(count); });
    picked.clear();
    typedText.clear();
    right = false;
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
    return format() == StudyFormat::Meaning ? choiceMeaning(choice) : choiceWord(choice);
}

QString StudySession::choiceWord(int choice) const
{
    return dictionary.word(shownCard.choices.value(choice, -1));
}

QString StudySession::choiceMeaning(int choice) const
{
    return dictionary.meaning(shownCard.choices.value(choice, -1));
}

int StudySession::picksWanted() const
{
    return learning::picksWanted(format());
}

QString StudySession::wrongPick() const
{
    if (currentPhase != Phase::Feedback || right)
        return QString();
    if (format() == StudyFormat::TypedRecall)
        return typedText.trimmed();
    QStringList wrong;
    const QList<int> rightOnes = rightChoices();
    for (int choice : picked)
        if (!rightOnes.contains(choice))
            wrong << choiceWord(choice);
    return wrong.join(QLatin1Char('\t'));
}

bool StudySession::hasWords() const
{
    return dictionary.count() > 1;
}

void StudySession::answer(int choice)
{
    if (picksWanted() == 1 && choice >= 0 && choice < shownCard.choices.size())
        answerWith({choice}, QString());
}

void StudySession::answerPair(int first, int second)
{
    const auto valid = [this](int choice) {
        return choice >= 0 && choice < shownCard.choices.size();
    };
    if (picksWanted() == 2 && first != second && valid(first) && valid(second))
        answerWith({first, second}, QString());
}

void StudySession::answerTyped(const QString &text)
{
    if (format() == StudyFormat::TypedRecall)
        answerWith({}, text);
}

void StudySession::answerWith(QList<int> choices, const QString &text)
{
    if (currentPhase != Phase::Question)
        return;
    Taken taken{state, -1, clock.now(), 0};
    taken.durationMs = std::max<qint64>(0, shownAt.msecsTo(taken.time));
    std::sort(choices.begin(), choices.end());
    picked = choices;
    typedText = text;
    if (format() == StudyFormat::TypedRecall) {
        typedSpelling = judgeSpelling(text, word());
        right = typedSpelling == Spelling::Right;
        currentGrade = typedRating(typedSpelling, taken.durationMs);
    } else {
        right = shownCard.rightPicks(picked);
        currentGrade = proposedRating(right, taken.durationMs);
    }
    ++state.done;
    state.right += currentGrade != Rating::Again ? 1 : 0;
    state.learned += current.kind == StudyKind::New ? 1 : 0;
    currentPhase = Phase::Feedback;
    record(taken);
    history << taken;
    emit changed();
}

void StudySession::record(Taken &taken)
{
    if (taken.reviewId >= 0)
        memory.deleteReview(taken.reviewId);
    taken.reviewId = memory.recordAnswer(word(), currentGrade, QStringLiteral("study"),
                                         dictionaryFileName(dictionary.path()), taken.durationMs,
                                         taken.time, formatKey(format()), wrongPick());
    answeredCard = memory.cardFor(word());
}

// Whether the word answered comes back today: its step ends before tomorrow.
bool StudySession::comesBack() const
{
    const StudyDay today = day();
    return answeredCard.state != CardState::New &&
           studyDue(answeredCard, examDate, today.today) < startOfDay(today.today.addDays(1));
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
        if (comesBack()) {
            // After the cards waiting now, up to a few: none when nothing else is left.
            const int later = std::min<int>(repeatGap, int(state.queue.size()));
            StudyItem item{current.position, StudyKind::Repeat,
                           studyDue(answeredCard, examDate, day().today), current.planned,
                           state.shown + later};
            insertByDue(state.queue.learning, item);
            state.planLeft += item.planned ? 1 : 0;
        }
        bringBackPartners();
    } else if (currentPhase == Phase::Question) {
        return;
    }
    if (const auto item = takeNext())
        show(*item);
    else
        finish();
}

// The words picked wrongly come back after a few cards in the day's session, as reviews outside
// the plan: those studied before and not waiting already (a new word keeps its own day, apart
// from its look-alikes).
void StudySession::bringBackPartners()
{
    if (currentPlan.extra != Extra::None)
        return; // a session of more new words, or of some reviews, holds those alone
    const QList<int> rightOnes = rightChoices();
    for (int choice : std::as_const(picked)) {
        const int partner = shownCard.choices.value(choice, -1);
        if (rightOnes.contains(choice) || partner < 0 || partner == current.position ||
            state.partners.contains(partner))
            continue;
        const StudyQueue &queue = state.queue;
        const auto waiting = [partner](const QList<StudyItem> &items) {
            return std::any_of(items.cbegin(), items.cend(), [partner](const StudyItem &item) {
                return item.position == partner;
            });
        };
        if (waiting(queue.learning) || waiting(queue.reviews) || waiting(queue.fresh) ||
            memory.cardFor(dictionary.word(partner)).state == CardState::New)
            continue;
        state.partners.insert(partner);
        const int later = std::min<int>(repeatGap, int(queue.size()));
        insertByDue(state.queue.learning,
                    StudyItem{partner, StudyKind::Review, day().now, false, state.shown + later});
    }
}

// A step that has ended, then the reviews, then the new words; then a step not yet ended, as
// nothing else is left. A repeat waits for the cards it was put behind unless none other is
// waiting either.
std::optional<StudyItem> StudySession::takeNext()
{
    StudyQueue &queue = state.queue;
    const Time now = day().now;
    const auto ready = [this](const StudyItem &item) { return item.after <= state.shown; };
    const auto take = [&queue](qsizetype i) { return queue.learning.takeAt(i); };
    for (qsizetype i = 0; i < queue.learning.size() && queue.learning[i].due <= now; ++i)
        if (ready(queue.learning[i]))
            return take(i);
    if (!queue.reviews.isEmpty())
        return queue.reviews.takeFirst();
    if (!queue.fresh.isEmpty())
        return queue.fresh.takeFirst();
    if (queue.learning.isEmpty())
        return std::nullopt;
    const auto first = std::find_if(queue.learning.cbegin(), queue.learning.cend(), ready);
    if (first != queue.learning.cend())
        return take(first - queue.learning.cbegin());
    const auto soonest =
        std::min_element(queue.learning.cbegin(), queue.learning.cend(),
                         [](const StudyItem &a, const StudyItem &b) { return a.after < b.after; });
    return take(soonest - queue.learning.cbegin());
}

void StudySession::undo()
{
    if (history.isEmpty())
        return;
    const Taken taken = history.takeLast();
    if (taken.reviewId >= 0)
        memory.deleteReview(taken.reviewId);
    state = taken.before;
    picked.clear();
    typedText.clear();
    right = false;
    currentPhase = Phase::Question;
    shownAt = clock.now();
    emit changed();
}

// The day's figures come from the memory, so that they are the same after a restart; all but
// the streak and the total are the list's.
void StudySession::finish()
{
    currentPhase = Phase::Finished;
    daySummary = Summary{state.done, state.right, state.learned, 0, 0, state.done};
    if (const auto figures = memory.dayFigures(day())) {
        daySummary = Summary{0, 0, 0, 0, figures->streak, figures->answers};
        const DayWords words = memory.dayWords(day().today);
        for (auto it = words.cbegin(); it != words.cend(); ++it) {
            if (!cardBuilder.positions().contains(it.key()))
                continue;
            daySummary.reviewed += it->answers;
            daySummary.right += it->right;
            daySummary.learned += it->before.state == CardState::New ? 1 : 0;
        }
        for (auto it = figures->dueTomorrow.cbegin(); it != figures->dueTomorrow.cend(); ++it)
            daySummary.dueTomorrow += cardBuilder.positions().contains(it.key()) ? 1 : 0;
    }
    emit changed();
}

StudySession::Progress StudySession::progress() const
{
    Progress progress{state.done, 0, currentPlan.total(), 0};
    for (const StudyItem &item : state.queue.learning)
        progress.repeats += item.kind == StudyKind::Repeat ? 1 : 0;
    // The card on show is still to do, and so is one answered that comes back.
    const bool waiting =
        currentPhase == Phase::Question || (currentPhase == Phase::Feedback && comesBack());
    if (currentPhase == Phase::Feedback && waiting)
        ++progress.repeats;
    const int left = state.planLeft + (waiting && current.planned ? 1 : 0);
    progress.finished = std::clamp(progress.total - left, 0, progress.total);
    return progress;
}

} // namespace learning
