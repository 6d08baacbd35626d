// SPDX-License-Identifier: GPL-3.0-or-later
// The practice set: which words it draws and in which formats, its clock, the score, and the
// answers it leaves in the learner's memory.

#include "core/dictionary.h"
#include "learning/practiceset.h"
#include "learning/timetext.h"
#include "learningtest.h"
#include "platform/services.h"
#include "platform/textfile.h"

#include <QDir>
#include <gtest/gtest.h>
#include <tuple>

using namespace learning;

namespace {

TEST(Practice, DrawsEachWordOnceWithAboutFourInTenBySentenceEquivalence)
{
    // The formats of each word, in runs: both, text completion only, sentence equivalence only,
    // neither.
    const auto words = [](int both, int completionOnly, int equivalenceOnly, int neither) {
        QList<FormatSet> made;
        for (auto [count, completion, equivalence] : {std::tuple{both, true, true},
                                                      {completionOnly, true, false},
                                                      {equivalenceOnly, false, true},
                                                      {neither, false, false}})
            made.append(QList<FormatSet>(count, FormatSet{completion, true, equivalence}));
        return made;
    };
    const struct
    {
        QList<FormatSet> formats;
        int size, equivalences;
    } cases[] = {
        {words(30, 0, 0, 0), 10, 4}, {words(2, 28, 0, 0), 10, 2},
        {words(0, 30, 0, 5), 10, 0}, // a list without pairs
        {words(0, 3, 12, 0), 10, 7}, // too few for text completion: more pairs
        {words(3, 2, 0, 4), 5, 2},   // a short set
        {words(0, 0, 0, 4), 0, 0},
    };
    quint32 seed = 11;
    const auto draw = [&seed](int n) { return int((seed = seed * 1103515245u + 12345u) >> 8) % n; };
    for (const auto &c : cases) {
        QList<int> positions;
        for (int i = 0; i < c.formats.size(); ++i)
            positions << i;
        const auto formatsOf = [&c](int position) { return c.formats[position]; };
        for (int round = 0; round < 20; ++round) {
            const QList<PracticeItem> items = drawPracticeItems(positions, 10, formatsOf, draw);
            ASSERT_EQ(items.size(), c.size);
            QSet<int> drawn;
            int equivalences = 0;
            for (const PracticeItem &item : items) {
                EXPECT_TRUE(c.formats[item.position].has(item.format));
                equivalences += item.format == StudyFormat::SentenceEquivalence ? 1 : 0;
                drawn << item.position;
            }
            EXPECT_EQ(drawn.size(), items.size()) << "a word twice";
            EXPECT_EQ(equivalences, c.equivalences);
        }
    }
}

// Sixteen verbs with sentences, each with eight checked wrong words; the first eight pair up as
// synonyms; "mute" has no sentence that shows it.
struct PracticeFolder
{
    PracticeFolder()
    {
        QByteArray xml, confusables = "# distractors\r\n", synonyms = "# synonyms\r\n";
        for (int i = 0; i < int(words.size()); ++i) {
            const QString word = words[i];
            const QString usage = word == "mute" ? "Nobody spoke." : "They saw it " + word + ".";
            xml += QStringLiteral("<word>%1</word><meaning>(v.) to %1</meaning><usage>%2</usage>")
                       .arg(word, usage)
                       .toUtf8();
            QStringList line{word};
            for (int k = 1; k <= 8; ++k)
                line << words[(i + 2 * k) % words.size()];
            confusables += line.join('\t').toUtf8() + "\r\n";
            if (i < 8 && i % 2 == 0)
                synonyms += (word + '\t' + words[i + 1]).toUtf8() + "\r\n";
        }
        folder.writeList("p.xml", xml);
        platform::writeBytes(folder.file("XML/p.confusables.tsv"), confusables);
        platform::writeBytes(folder.file("XML/p.synonyms.tsv"), synonyms);
        dictionary.load("\\XML\\p.xml");
    }
    // Each word answered once, a day before.
    void seen(const QStringList &answered)
    {
        QList<Review> reviews;
        for (const QString &word : answered)
            reviews << Review{word, toTime(clock.time.addDays(-1)), Rating::Good, "study", "p.xml",
                              3000};
        memory.addReviews(reviews);
    }
    // The first wrong choice of the question on show.
    int wrongChoice() const
    {
        const QList<int> right = set.card(set.current()).rightChoices();
        int wrong = 0;
        while (right.contains(wrong))
            ++wrong;
        return wrong;
    }
    const QStringList words{"abate",  "wane",   "curtail", "shorten",  "augment", "expand",
                            "foment", "stir",   "vitiate", "modulate", "infuse",  "belie",
                            "cajole", "deride", "exhort",  "mute"};
    ProgressFolder folder;
    core::Dictionary dictionary{folder.dir.path()};
    LearnerMemory memory{folder.file()};
    SetClock clock;
    CountingRandom random;
    PracticeSet set{dictionary, memory, clock, random};
};

TEST(Practice, ASetIsDrawnFromTheWordsSeenOnly)
{
    PracticeFolder f;
    EXPECT_FALSE(f.set.start()) << "nothing seen yet";
    f.seen({"mute"});
    EXPECT_FALSE(f.set.start()) << "a word without a sentence that shows it";
    f.seen({"abate", "wane", "curtail"});
    ASSERT_TRUE(f.set.start());
    EXPECT_EQ(f.set.size(), 3);
    EXPECT_EQ(f.set.timeLimitMs(), 3 * 90'000);
    f.seen(f.words);
    ASSERT_TRUE(f.set.start());
    ASSERT_EQ(f.set.size(), 10);
    EXPECT_EQ(f.set.timeLimitMs(), 15 * 60'000);
    int equivalences = 0;
    for (int i = 0; i < f.set.size(); ++i) {
        const StudyCard &card = f.set.card(i);
        EXPECT_NE(f.dictionary.word(card.position), "mute");
        EXPECT_EQ(card.choices.size(), card.partner >= 0 ? 6 : 5);
        equivalences += card.format == StudyFormat::SentenceEquivalence ? 1 : 0;
    }
    EXPECT_EQ(equivalences, 4);
}

// Answers change until the end; then each answered question is one review, the score counts
// both words of a pair, and a question the time ran out on is wrong, said so, and not recorded.
TEST(Practice, TheEndScoresAndRecordsTheLastAnswerOfEachQuestionOnce)
{
    PracticeFolder f;
    f.seen(f.words);
    ASSERT_TRUE(f.set.start());
    const qint64 before = f.memory.reviewCount();
    int pair = -1;
    for (int i = 0; i < f.set.size() && pair < 0; ++i)
        pair = f.set.card(i).format == StudyFormat::SentenceEquivalence ? i : -1;
    ASSERT_GE(pair, 0);
    // One question wrong, then right; the pair with one right word of two; two left unanswered
    // (one with two picks where one is asked); the rest right.
    const int changed = pair == 0 ? 1 : 0;
    QList<int> unanswered;
    for (int i = f.set.size() - 1; unanswered.size() < 2; --i)
        if (f.set.card(i).format == StudyFormat::TextCompletion && i != changed)
            unanswered << i;
    for (int i = 0; i < f.set.size(); ++i) {
        f.set.goTo(i);
        f.clock.time = f.clock.time.addSecs(30);
        QList<int> picks = f.set.card(i).rightChoices();
        if (i == pair)
            picks[1] = f.wrongChoice();
        if (i == changed)
            picks = {f.wrongChoice()};
        if (i == unanswered[0])
            picks = {0, 1};
        if (i != unanswered[1])
            f.set.setPicks(picks);
    }
    EXPECT_FALSE(f.set.answered(unanswered[0]));
    f.set.goTo(changed);
    f.clock.time = f.clock.time.addSecs(10);
    f.set.setPicks(f.set.card(changed).rightChoices());
    f.set.goTo(pair);
    f.clock.time = f.clock.time.addSecs(15 * 60);
    f.set.goTo(changed); // too late: the time ran out
    EXPECT_EQ(f.set.phase(), PracticeSet::Phase::Finished);
    EXPECT_TRUE(f.set.timeRanOut());
    EXPECT_EQ(f.set.elapsedMs(), 15 * 60'000);
    EXPECT_EQ(f.set.rightCount(), 7);

    const QList<PracticeSet::Mistake> mistakes = f.set.mistakes();
    ASSERT_EQ(mistakes.size(), 3);
    PracticeSet::Mistake wrongPair;
    for (const PracticeSet::Mistake &mistake : mistakes) {
        EXPECT_EQ(mistake.answered, mistake.question == pair);
        if (mistake.question == pair)
            wrongPair = mistake;
        else
            EXPECT_TRUE(unanswered.contains(mistake.question) && mistake.wrongWords.isEmpty());
    }
    EXPECT_EQ(wrongPair.rightWords.size(), 2);
    EXPECT_EQ(wrongPair.rightWords.value(0), wrongPair.word);
    ASSERT_EQ(wrongPair.wrongWords.size(), 1);
    EXPECT_EQ(wrongPair.wrongMeanings[0], "to " + wrongPair.wrongWords[0]);
    EXPECT_EQ(wrongPair.usage, "They saw it " + wrongPair.word + ".");

    const QList<Review> reviews = f.memory.reviews().mid(before);
    ASSERT_EQ(reviews.size(), 8);
    QHash<QString, Review> byWord;
    for (const Review &review : reviews) {
        EXPECT_EQ(review.source, "practice");
        byWord.insert(review.word, review);
    }
    const Review first = byWord.value(f.dictionary.word(f.set.card(changed).position));
    EXPECT_EQ(first.rating, Rating::Good);
    EXPECT_EQ(first.wrongPick, "");
    EXPECT_EQ(first.durationMs, 40'000);
    const Review paired = byWord.value(wrongPair.word);
    EXPECT_EQ(paired.rating, Rating::Again);
    EXPECT_EQ(paired.format, "sentence_equivalence");
    EXPECT_EQ(paired.wrongPick, wrongPair.wrongWords[0]);
    f.set.finish();
    EXPECT_EQ(f.memory.reviewCount(), before + 8) << "recorded once";
}

} // namespace
