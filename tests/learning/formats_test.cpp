// SPDX-License-Identifier: GPL-3.0-or-later
// Study Today's formats: which one a word's memory calls for, the cards each builds from the
// dictionary and its lists, the spelling rule, each answer kept with its format and pick; and the
// practice set: its words and formats, its clock, the score, and the answers it records.

#include "learning/practiceset.h"
#include "learning/studycard.h"
#include "learning/studysession.h"
#include "learningtest.h"

namespace {

TEST(Formats, TypedAnswersAreRightNearlyOrWrong)
{
    const std::tuple<const char *, const char *, Spelling> cases[] = {
        {"abate", "abate", Spelling::Right},    {"  ABate ", "abate", Spelling::Right},
        {"Ad Hoc ", "ad hoc", Spelling::Right}, {"abte", "abate", Spelling::Nearly},
        {"abatte", "abate", Spelling::Nearly},  {"abase", "abate", Spelling::Nearly},
        {"abaet", "abate", Spelling::Nearly},   {"baate", "abate", Spelling::Nearly},
        {"abat", "abate", Spelling::Nearly},    {"ab ate", "abate", Spelling::Nearly},
        {"abait", "abate", Spelling::Wrong},    {"abt", "abate", Spelling::Wrong},
        {"aba", "abate", Spelling::Wrong},      {"aabtee", "abate", Spelling::Wrong},
        {"batea", "abate", Spelling::Wrong},    {"", "abate", Spelling::Wrong},
        {"   ", "a", Spelling::Wrong},          {"abet", "abate", Spelling::Wrong},
    };
    for (const auto &[typed, word, spelling] : cases)
        EXPECT_EQ(judgeSpelling(typed, word), spelling) << typed;
    EXPECT_EQ(typedRating(Spelling::Right, quickAnswerMs), Rating::Good);
    EXPECT_EQ(typedRating(Spelling::Right, quickAnswerMs + 1), Rating::Hard);
    EXPECT_EQ(typedRating(Spelling::Nearly, 500), Rating::Hard);
    EXPECT_EQ(typedRating(Spelling::Wrong, 500), Rating::Again);
}

TEST(Formats, TheFormatFollowsTheWordsMemoryAndFallsBack)
{
    const auto card = [](CardState state, double stability) { return Card{state, 0, stability}; };
    const FormatSet all, none{false, false, false}, noTyped{true, false, true},
        onlyCompletion{true, false, false}, noCompletion{false, true, true};
    using F = StudyFormat;
    const std::tuple<Card, FormatSet, int, StudyFormat> cases[] = {
        {Card{}, all, 0, F::Meaning},
        {card(CardState::Learning, 0.5), all, 0, F::Meaning},
        {card(CardState::Relearning, 40), all, 1, F::Meaning},
        {card(CardState::Review, 3), all, 0, F::TextCompletion},
        {card(CardState::Review, 20.9), all, 1, F::TextCompletion},
        {card(CardState::Review, 3), noCompletion, 0, F::Meaning},
        {card(CardState::Review, 21), all, 0, F::TypedRecall},
        {card(CardState::Review, 90), all, 1, F::SentenceEquivalence},
        {card(CardState::Review, 90), noTyped, 0, F::SentenceEquivalence},
        {card(CardState::Review, 90), onlyCompletion, 1, F::TextCompletion},
        {card(CardState::Review, 90), none, 0, F::Meaning},
    };
    for (const auto &[card, possible, coin, format] : cases)
        EXPECT_EQ(chooseFormat(card, possible, coin), format)
            << int(card.state) << " " << card.stability;
    for (StudyFormat format :
         {F::Meaning, F::TextCompletion, F::TypedRecall, F::SentenceEquivalence})
        EXPECT_EQ(formatFromKey(formatKey(format)), format);
    EXPECT_EQ(formatFromKey("cloze"), std::nullopt);
}

// A dictionary with its lists: abate's synonym is wane, after augury (a noun, no partner), wane's
// diminish, and lessen lists abate (one way only); lessen and augury stand among abate's
// distractors, as a list made by hand may have them.
struct FormatsFolder
{
    FormatsFolder()
    {
        const std::tuple<const char *, const char *, const char *> entries[] = {
            {"abate", "(v.) become less intense", "The storm did not abate until dawn."},
            {"wane", "(v.) decrease gradually", "His interest waned by noon."},
            {"lessen", "(v.) make less", "Rest will lessen the pain."},
            {"augment", "(v.) make greater", "She augmented her income."},
            {"infuse", "(v.) fill with a quality", "He infused the team with hope."},
            {"vitiate", "(v.) spoil", "Errors vitiate the study."},
            {"modulate", "(v.) adjust in tone", "Singers modulate their voices."},
            {"curtail", "(v.) cut short", "Rain curtailed the game."},
            {"diminish", "(v.) make smaller", "Nothing could diminish her joy."},
            {"augury", "(n.) an omen", "The augury was good."},
            {"belie", "(v.) give a false idea of", ""},
            {"cow", "(v.) frighten into submission", "The bully scared them all."},
        };
        QByteArray xml;
        for (const auto &[word, meaning, usage] : entries)
            xml += QStringLiteral("<word>%1</word><meaning>%2</meaning><usage>%3</usage>")
                       .arg(word, meaning, usage)
                       .toUtf8();
        folder.writeList("s.xml", xml);
        platform::writeBytes(
            folder.file("XML/s.confusables.tsv"),
            "# distractors\r\n"
            "abate\taugury\tlessen\taugment\tdiminish\tinfuse\tvitiate\tmodulate\t"
            "curtail\r\nbelie\taugment\tinfuse\tvitiate\tmodulate\r\n"
            "cow\taugment\tinfuse\tvitiate\tmodulate\r\nwane\taugment\tinfuse\r\n");
        platform::writeBytes(
            folder.file("XML/s.synonyms.tsv"),
            "  # synonyms, indented\r\nabate\taugury\twane\r\nlessen\tabate\r\nwane\tdiminish\r\n");
        words.load("\\XML\\s.xml");
        builder.index();
    }
    int at(const QString &word) const { return int(words.words().indexOf(word)); }
    QSet<QString> shown(const StudyCard &card) const
    {
        QSet<QString> texts;
        for (int position : card.choices)
            texts << words.word(position);
        return texts;
    }
    ProgressFolder folder;
    core::Dictionary words{folder.dir.path()};
    CardBuilder builder{words};
};

TEST(Formats, CardsOfferTheWordAmongCheckedWrongWordsOfItsPartOfSpeech)
{
    FormatsFolder f;
    const int abate = f.at("abate");
    int next = 3;
    const auto draw = [&next](int n) { return (next = (next * 7 + 5) % 101) % n; };
    QSet<QString> completionWords, equivalenceWords;
    for (int round = 0; round < 12; ++round) {
        const StudyCard completion = f.builder.build(abate, StudyFormat::TextCompletion, draw);
        EXPECT_EQ(completion.sentence, "The storm did not ____ until dawn.");
        EXPECT_EQ(completion.choices.size(), 5);
        EXPECT_EQ(completion.rightChoices(), QList<int>{int(completion.choices.indexOf(abate))});
        const StudyCard pair = f.builder.build(abate, StudyFormat::SentenceEquivalence, draw);
        ASSERT_EQ(pair.choices.size(), 6);
        EXPECT_EQ(pair.partner, f.at("wane"));
        QStringList right;
        for (int choice : pair.rightChoices())
            right << f.words.word(pair.choices[choice]);
        right.sort();
        EXPECT_EQ(right, (QStringList{"abate", "wane"}));
        completionWords += f.shown(completion);
        equivalenceWords += f.shown(pair);
    }
    // Never a synonym of the word (lessen), of the partner (diminish, in a pair), or a noun.
    EXPECT_EQ(completionWords, (QSet<QString>{"abate", "augment", "diminish", "infuse", "vitiate",
                                              "modulate", "curtail"}));
    EXPECT_EQ(equivalenceWords, (QSet<QString>{"abate", "wane", "augment", "infuse", "vitiate",
                                               "modulate", "curtail"}));
    const StudyCard typed = f.builder.build(abate, StudyFormat::TypedRecall, draw);
    EXPECT_TRUE(typed.choices.isEmpty());
    EXPECT_EQ(typed.sentence, "The storm did not ____ until dawn.");
}

TEST(Formats, BothWordsOfThePairAndNothingElseAreRight)
{
    StudyCard card{StudyFormat::SentenceEquivalence, 7, 9, "s", {3, 7, 4, 5, 9, 6}};
    const std::pair<QList<int>, bool> cases[] = {
        {{1, 4}, true},  {{4, 1}, true},     {{1, 2}, false},      {QList<int>{1}, false},
        {{1, 1}, false}, {{1, 4, 0}, false}, {QList<int>{}, false}};
    for (const auto &[picked, right] : cases)
        EXPECT_EQ(card.rightPicks(picked), right) << picked.size();
    card.format = StudyFormat::TextCompletion;
    card.partner = -1;
    EXPECT_TRUE(card.rightPicks({1}));
    EXPECT_FALSE(card.rightPicks({1, 4}));
}

// A word without a sentence that shows it, a list without enough wrong words of its part of
// speech, a list without synonyms: each is asked in the formats it allows, meaning at least.
TEST(Formats, WordsFallBackToTheFormatsTheirListAllows)
{
    FormatsFolder f;
    const auto draw = [](int n) { return n / 2; };
    const std::tuple<const char *, FormatSet> cases[] = {
        {"belie", {false, false, false}}, // no sentence
        {"cow", {false, false, false}},   // a sentence without the word
        {"wane", {false, true, false}},   // two wrong words: too few for either choice
        {"abate", {true, true, true}},
    };
    for (const auto &[word, possible] : cases) {
        EXPECT_EQ(f.builder.possibleFormats(f.at(word)), possible) << word;
        for (StudyFormat format : {StudyFormat::TextCompletion, StudyFormat::TypedRecall,
                                   StudyFormat::SentenceEquivalence}) {
            const StudyCard card = f.builder.build(f.at(word), format, draw);
            EXPECT_EQ(card.format, possible.has(format) ? format : StudyFormat::Meaning);
            EXPECT_TRUE(card.format != StudyFormat::Meaning || card.choices.size() == 5);
        }
    }
    const auto abateFormats = [&] {
        f.builder.reset();
        f.builder.index();
        return f.builder.possibleFormats(f.at("abate"));
    };
    QFile::remove(f.folder.file("XML/s.synonyms.tsv"));
    EXPECT_EQ(abateFormats(), (FormatSet{true, true, false}));
    // A damaged synonym list is no list.
    platform::writeBytes(f.folder.file("XML/s.synonyms.tsv"), "abate wane\r\n");
    EXPECT_EQ(abateFormats(), (FormatSet{true, true, false}));
}

// Three seconds pass at each look.
class SteppingClock : public SetClock
{
public:
    QDateTime now() override { return time = time.addSecs(3); }
};

// A word taken for abate is kept with the answer, and comes back in the same session, once, when
// it was studied before; another not.
TEST(Formats, AWordTakenForAnotherComesBackTheSameDay)
{
    FormatsFolder f;
    LearnerMemory memory(f.folder.file());
    SteppingClock clock;
    CountingRandom random;
    StudySession session(f.words, memory, clock, random);
    session.setPlan(std::nullopt, 0);
    QList<Review> studied;
    for (const QString &word : f.words.words().mid(1))
        if (word != "abate")
            studied << Review{word, toTime(clock.time.addDays(-1)), Rating::Easy, "study", "s.xml"};
    memory.addReviews(studied.mid(0, studied.size() / 2));
    // Answers abate wrong with a word studied or new, then every other card right: the words
    // other than abate that showed.
    const auto takeFor = [&](bool studiedPick) {
        session.start("abate");
        int pick = -1;
        for (int choice = 0; choice < session.choices().size(); ++choice)
            if (choice != session.rightChoice() &&
                (memory.cardFor(session.choiceWord(choice)).state != CardState::New) == studiedPick)
                pick = choice;
        if (pick < 0)
            return QStringList{"no such choice"};
        QStringList shown{session.choiceWord(pick)};
        session.answer(pick);
        const Review kept = memory.reviews().back();
        EXPECT_EQ(std::pair(kept.format, kept.wrongPick),
                  std::pair(formatKey(session.format()), shown[0]));
        session.next();
        for (int i = 0; i < 20 && session.phase() == StudySession::Phase::Question; ++i) {
            if (session.word() != "abate")
                shown << session.word();
            session.answer(session.rightChoice());
            session.next();
        }
        return shown;
    };
    // Abate mature, asked as a pair: a studied word picked with the right one, below it, too.
    for (const int daysAgo : {400, 300})
        memory.recordAnswer("abate", Rating::Easy, "study", "s.xml", 0,
                            clock.time.addDays(-daysAgo));
    session.setFormats({false, false, true});
    session.start("abate");
    ASSERT_EQ(session.format(), StudyFormat::SentenceEquivalence);
    const int right = session.rightChoices().front();
    int wrong = -1;
    for (int choice = right + 1; choice < session.choices().size(); ++choice)
        if (!session.rightChoices().contains(choice) &&
            memory.cardFor(session.choiceWord(choice)).state != CardState::New)
            wrong = choice;
    ASSERT_GE(wrong, 0);
    const QString taken = session.choiceWord(wrong);
    session.answerPair(right, wrong);
    QStringList shown;
    for (session.next(); session.phase() == StudySession::Phase::Question; session.next()) {
        shown << session.word();
        session.answer(session.rightChoice());
    }
    EXPECT_TRUE(shown.contains(taken)) << shown.join(' ').toStdString();
    session.setFormats({});
    const QStringList studiedOne = takeFor(true);
    ASSERT_EQ(studiedOne.size(), 2);
    EXPECT_EQ(studiedOne[1], studiedOne[0]);
    EXPECT_EQ(takeFor(false).size(), 1);
}

// A file of the version before: its answers were all asked by meaning, with no pick kept.
TEST(Formats, AnOldProgressFileKeepsItsAnswersAsMeaning)
{
    ProgressFolder folder;
    QDir().mkpath(folder.file("progress"));
    folder.sqlite("CREATE TABLE reviews (id INTEGER PRIMARY KEY, word TEXT NOT NULL, reviewed_at "
                  "TEXT NOT NULL, rating INTEGER NOT NULL CHECK (rating BETWEEN 1 AND 4), source "
                  "TEXT NOT NULL, dictionary TEXT NOT NULL DEFAULT '', duration_ms INTEGER NOT "
                  "NULL DEFAULT 0); CREATE UNIQUE INDEX reviews_by_word ON reviews (word, "
                  "reviewed_at, rating, source); CREATE INDEX reviews_by_time ON reviews "
                  "(reviewed_at); INSERT INTO reviews VALUES (1, 'abate', "
                  "'2024-03-01T09:00:00.000Z', 1, 'quiz', 'gre.xml', 2500); PRAGMA user_version "
                  "= 1;");
    // Only read, it stays as it is, and its answers show as this version reads them.
    QFile::setPermissions(folder.file(), QFile::ReadOwner);
    const QList<Review> read = LearnerMemory(folder.file()).reviews();
    QFile::setPermissions(folder.file(), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(folder.sqlite("PRAGMA user_version"), "1");
    ASSERT_EQ(read.size(), 1);
    EXPECT_EQ(read[0].format, "meaning");
    LearnerMemory memory(folder.file());
    memory.recordAnswer("abate", Rating::Again, "study", "gre.xml", 900, minute(60 * 24),
                        "typed_recall", "abaet");
    EXPECT_EQ(folder.sqlite("PRAGMA user_version"), "2");
    EXPECT_EQ(folder.sqlite("SELECT format, wrong_pick FROM reviews ORDER BY id"),
              "meaning|\ntyped_recall|abaet");
    // Progress taken to another computer keeps them, and so does a pair's two wrong words.
    memory.recordAnswer("wane", Rating::Again, "study", "gre.xml", 900, minute(60 * 25),
                        "sentence_equivalence", "augment\tvitiate");
    memory.exportCsv(folder.file("out.csv"));
    LearnerMemory elsewhere(folder.file("elsewhere.sqlite"));
    elsewhere.importCsv(folder.file("out.csv"));
    QStringList kept;
    for (const Review &review : elsewhere.reviews())
        kept << review.format + "|" + review.wrongPick;
    EXPECT_EQ(kept, (QStringList{"meaning|", "typed_recall|abaet",
                                 "sentence_equivalence|augment\tvitiate"}));
}

TEST(Practice, DrawsEachWordOnceWithAboutFourInTenBySentenceEquivalence)
{
    // The formats of each word, in runs: both, text completion only, sentence equivalence only,
    // neither.
    const auto words = [](int both, int completionOnly, int equivalenceOnly, int neither) {
        using Run = QList<FormatSet>;
        return Run(both, {true, true, true}) + Run(completionOnly, {true, true, false}) +
               Run(equivalenceOnly, {false, true, true}) + Run(neither, {false, true, false});
    };
    const std::tuple<QList<FormatSet>, int, int> cases[] = {
        {words(30, 0, 0, 0), 10, 4}, {words(2, 28, 0, 0), 10, 2},
        {words(0, 30, 0, 5), 10, 0}, // a list without pairs
        {words(0, 3, 12, 0), 10, 7}, // too few for text completion: more pairs
        {words(3, 2, 0, 4), 5, 2},   // a short set
        {words(0, 0, 0, 4), 0, 0},
    };
    quint32 seed = 11;
    const auto draw = [&seed](int n) { return int((seed = seed * 1103515245u + 12345u) >> 8) % n; };
    for (const auto &[formats, size, pairs] : cases) {
        QList<int> positions;
        for (int i = 0; i < formats.size(); ++i)
            positions << i;
        const auto formatsOf = [&formats](int position) { return formats[position]; };
        for (int round = 0; round < 20; ++round) {
            const QList<PracticeItem> items = drawPracticeItems(positions, 10, formatsOf, draw);
            ASSERT_EQ(items.size(), size);
            QSet<int> drawn;
            int equivalences = 0;
            for (const PracticeItem &item : items) {
                EXPECT_TRUE(formats[item.position].has(item.format));
                equivalences += item.format == StudyFormat::SentenceEquivalence ? 1 : 0;
                drawn << item.position;
            }
            EXPECT_EQ(drawn.size(), items.size()) << "a word twice";
            EXPECT_EQ(equivalences, pairs);
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
    EXPECT_EQ(std::tuple(f.set.size(), f.set.timeLimitMs()), std::tuple(3, 3 * 90'000));
    f.seen(f.words);
    ASSERT_TRUE(f.set.start());
    ASSERT_EQ(std::tuple(f.set.size(), f.set.timeLimitMs()), std::tuple(10, 15 * 60'000));
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
    EXPECT_EQ(std::tuple(f.set.phase(), f.set.timeRanOut(), f.set.elapsedMs(), f.set.rightCount()),
              std::tuple(PracticeSet::Phase::Finished, true, 15 * 60'000, 7));

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
    EXPECT_EQ(std::tuple(first.rating, first.wrongPick, first.durationMs),
              std::tuple(Rating::Good, QString(), 40'000));
    const Review paired = byWord.value(wrongPair.word);
    EXPECT_EQ(std::tuple(paired.rating, paired.format, paired.wrongPick),
              std::tuple(Rating::Again, QString("sentence_equivalence"), wrongPair.wrongWords[0]));
    f.set.finish();
    EXPECT_EQ(f.memory.reviewCount(), before + 8) << "recorded once";
}

} // namespace
