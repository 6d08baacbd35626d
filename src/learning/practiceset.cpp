// SPDX-License-Identifier: GPL-3.0-or-later
#include "practiceset.h"

#include "core/dictionary.h"
#include "core/reviewrules.h"
#include "learnermemory.h"
#include "platform/services.h"
#include "review.h"
#include "studycard.h"
#include "wordkey.h"

#include <algorithm>

using namespace core;

namespace learning {

namespace {

// The draw's passes over the shuffled words: sentence equivalence for its share of `size`, text
// completion for the rest, then sentence equivalence again while the set is short.
QList<PracticeItem> takeItems(const QList<int> &shuffled, int size,
                              const std::function<FormatSet(int)> &allows)
{
    const int equivalences = (size * PracticeSet::equivalencePerTen + 5) / 10;
    // Indices into the drawn order, so that the formats come mixed as they were drawn.
    QList<std::pair<qsizetype, StudyFormat>> chosen;
    QList<bool> taken(shuffled.size(), false);
    const auto take = [&](StudyFormat format, int upTo) {
        for (qsizetype i = 0; i < shuffled.size() && chosen.size() < upTo; ++i) {
            if (!taken[i] && allows(shuffled[i]).has(format)) {
                taken[i] = true;
                chosen.append({i, format});
            }
        }
    };
    take(StudyFormat::SentenceEquivalence, equivalences);
    take(StudyFormat::TextCompletion, size);
    take(StudyFormat::SentenceEquivalence, size);
    std::sort(chosen.begin(), chosen.end());
    QList<PracticeItem> items;
    for (const auto &[at, format] : chosen)
        items << PracticeItem{shuffled[at], format};
    return items;
}

} // namespace

QList<PracticeItem> drawPracticeItems(QList<int> positions, int size,
                                      const std::function<FormatSet(int)> &formatsOf,
                                      const std::function<int(int)> &draw)
{
    for (qsizetype i = positions.size() - 1; i > 0; --i)
        std::swap(positions[i], positions[draw(int(i + 1))]);
    // A word's formats are weighed once, and only for the words the passes reach.
    QHash<int, FormatSet> known;
    const auto allows = [&](int position) {
        auto found = known.constFind(position);
        if (found == known.cend())
            found = known.insert(position, formatsOf(position));
        return *found;
    };
    QList<PracticeItem> items = takeItems(positions, size, allows);
    // A short set holds every word that qualifies: its share of pairs is the short set's.
    if (items.size() < size)
        items = takeItems(positions, int(items.size()), allows);
    return items;
}

PracticeSet::PracticeSet(const Dictionary &dictionary, LearnerMemory &memory,
                         platform::Clock &clock, platform::Random &random, QObject *parent)
    : QObject(parent), dictionary(dictionary), memory(memory), clock(clock), random(random),
      cardBuilder(dictionary)
{
    // The set keeps its texts; another list ends it with the answers given so far.
    const auto listChanged = [this] {
        cardBuilder.reset();
        if (currentPhase == Phase::Answering)
            finish();
    };
    connect(&dictionary, &Dictionary::loaded, this, listChanged);
    connect(&dictionary, &Dictionary::entriesReplaced, this, listChanged);
}

int PracticeSet::draw(int count)
{
    return std::clamp(int(random.rnd() * float(count)), 0, count - 1);
}

bool PracticeSet::start()
{
    cardBuilder.index();
    dictionaryName = dictionaryFileName(dictionary.path());
    const QHash<QString, Card> cards = memory.loadCards();
    QList<int> seen;
    for (auto it = cardBuilder.positions().cbegin(); it != cardBuilder.positions().cend(); ++it) {
        const auto card = cards.constFind(it.key());
        if (card != cards.cend() && card->reps > 0)
            seen << *it;
    }
    // In the list's order, so that the same draws give the same set.
    std::sort(seen.begin(), seen.end());
    const auto drawn = [this](int count) { return draw(count); };
    const auto formatsOf = [this](int position) { return cardBuilder.possibleFormats(position); };
    questions.clear();
    for (const PracticeItem &item : drawPracticeItems(seen, questionCount, formatsOf, drawn)) {
        Question question;
        question.card = cardBuilder.build(item.position, item.format, drawn);
        question.word = dictionary.word(item.position);
        question.usage = styleUsage(dictionary.usage(item.position)).text;
        for (int choice : std::as_const(question.card.choices)) {
            question.choiceWords << dictionary.word(choice);
            question.choiceMeanings << dictionary.meaning(choice);
        }
        questions << question;
    }
    shown = 0;
    elapsed = 0;
    ranOut = false;
    startedAt = shownSince = clock.now();
    currentPhase = questions.isEmpty() ? Phase::Finished : Phase::Answering;
    emit changed();
    return !questions.isEmpty();
}

void PracticeSet::leaveQuestion(const QDateTime &now)
{
    questions[shown].shownMs += std::max<qint64>(0, shownSince.msecsTo(now));
    shownSince = now;
}

void PracticeSet::goTo(int question)
{
    checkTime();
    if (currentPhase != Phase::Answering || question < 0 || question >= size() || question == shown)
        return;
    leaveQuestion(clock.now());
    shown = question;
    emit changed();
}

void PracticeSet::setPicks(QList<int> picks)
{
    checkTime();
    if (currentPhase != Phase::Answering)
        return;
    Question &question = questions[shown];
    std::sort(picks.begin(), picks.end());
    picks.erase(std::unique(picks.begin(), picks.end()), picks.end());
    picks.removeIf(
        [&](int choice) { return choice < 0 || choice >= question.card.choices.size(); });
    if (picks == question.picks)
        return;
    question.picks = picks;
    emit changed();
}

bool PracticeSet::answered(int question) const
{
    const Question &asked = questions[question];
    const int wanted = asked.card.format == StudyFormat::SentenceEquivalence ? 2 : 1;
    return asked.picks.size() == wanted;
}

int PracticeSet::answeredCount() const
{
    int count = 0;
    for (int i = 0; i < size(); ++i)
        count += answered(i) ? 1 : 0;
    return count;
}

qint64 PracticeSet::msLeft() const
{
    if (currentPhase != Phase::Answering)
        return 0;
    return std::clamp<qint64>(timeLimitMs() - startedAt.msecsTo(clock.now()), 0, timeLimitMs());
}

void PracticeSet::checkTime()
{
    if (currentPhase == Phase::Answering && msLeft() == 0) {
        ranOut = true;
        finish();
    }
}

void PracticeSet::finish()
{
    if (currentPhase != Phase::Answering)
        return;
    const QDateTime now = clock.now();
    leaveQuestion(now);
    elapsed = std::clamp<qint64>(startedAt.msecsTo(now), 0, timeLimitMs());
    currentPhase = Phase::Finished;
    record(now);
    emit changed();
}

// Each question answered is one review, with its format and the words picked wrongly; one left
// unanswered tells nothing of the word.
void PracticeSet::record(const QDateTime &now)
{
    for (int i = 0; i < size(); ++i) {
        if (!answered(i))
            continue;
        const Question &question = questions[i];
        QStringList wrongPicks;
        for (int choice : question.picks)
            if (!question.card.rightChoices().contains(choice))
                wrongPicks << question.choiceWords[choice];
        memory.recordAnswer(question.word, right(i) ? Rating::Good : Rating::Again,
                            QStringLiteral("practice"), dictionaryName, question.shownMs, now,
                            formatKey(question.card.format), wrongPicks.join(QLatin1Char('\t')));
    }
}

bool PracticeSet::right(int question) const
{
    return answered(question) && questions[question].card.rightPicks(questions[question].picks);
}

int PracticeSet::rightCount() const
{
    int count = 0;
    for (int i = 0; i < size(); ++i)
        count += right(i) ? 1 : 0;
    return count;
}

QList<PracticeSet::Mistake> PracticeSet::mistakes() const
{
    QList<Mistake> found;
    for (int i = 0; i < size(); ++i) {
        if (right(i))
            continue;
        const Question &question = questions[i];
        Mistake mistake{i, question.word, question.usage, {}, {}, {}, answered(i)};
        const QList<int> rightChoices = question.card.rightChoices();
        for (int choice : rightChoices)
            mistake.rightWords << question.choiceWords[choice];
        // The word asked first, then its partner.
        if (mistake.rightWords.size() == 2 && mistake.rightWords[1] == question.word)
            mistake.rightWords.swapItemsAt(0, 1);
        for (int choice : question.picks) {
            if (rightChoices.contains(choice) || !mistake.answered)
                continue;
            mistake.wrongWords << question.choiceWords[choice];
            mistake.wrongMeanings << withoutPartOfSpeech(question.choiceMeanings[choice]);
        }
        found << mistake;
    }
    return found;
}

} // namespace learning
