// SPDX-License-Identifier: GPL-3.0-or-later
// Study Today: the day's budget and queue, the exam-date cap, the card's hint and choices, the
// session's answers, undo and summary.

#include "learning/forecast.h"
#include "learning/studycard.h"
#include "learning/studysession.h"
#include "learningtest.h"

#include <random>

using namespace core;
using std::chrono::days;

namespace {

const QDate today(2026, 12, 6);

// 20 new words a day, or as many as leave the last week before the exam for reviews; reviews due
// after the exam come back the day before.
TEST(Study, TheExamDateSetsTheNewWordBudgetAndBringsReviewsBack)
{
    const std::tuple<std::optional<QDate>, int, int, int> cases[] = {
        {std::nullopt, 500, 0, 20},     {std::nullopt, 500, 15, 5},
        {std::nullopt, 3, 0, 3},        {today.addDays(30), 230, 0, 10},
        {today.addDays(30), 221, 9, 1}, {today.addDays(30), 9000, 0, 100},
        {today.addDays(30), 5, 0, 1},   {today.addDays(7), 500, 0, 0},
        {today.addDays(-1), 500, 0, 0}, {today.addDays(30), 0, 0, 0},
    };
    for (const auto &[exam, neverStudied, startedToday, budget] : cases)
        EXPECT_EQ(newWordBudget(exam, 20, neverStudied, startedToday, today), budget)
            << neverStudied << " " << startedToday;

    const QDate exam = today.addDays(10);
    Card card{CardState::Review, 0, 30, 5, startOfDay(exam) + days(3), startOfDay(today), 0, 3};
    EXPECT_EQ(studyDue(card, exam, today), startOfDay(exam.addDays(-1)));
    EXPECT_EQ(studyDue(card, std::nullopt, today), card.due);
    EXPECT_EQ(studyDue(card, exam, exam), card.due); // the exam is over
    card.lastReview = startOfDay(exam.addDays(-1)) + std::chrono::hours(9);
    EXPECT_EQ(studyDue(card, exam, exam.addDays(-1)), card.due); // reviewed that day already
    card.due = startOfDay(exam) - days(2);
    EXPECT_EQ(studyDue(card, exam, today), card.due);
}

TEST(Study, QueueHoldsStepsThenWeakestReviewsThenNewWords)
{
    const Scheduler scheduler;
    const Time now = startOfDay(today) + std::chrono::hours(10);
    const auto reviewed = [&](double stability, int daysAgo, int dueIn) {
        return Card{CardState::Review,   0, stability, 5, now + days(dueIn),
                    now - days(daysAgo), 0, 2};
    };
    const QStringList keys{"", "a", "b", "c", "d", "e", "f", "g", "b", "h", "i"};
    const QHash<QString, Card> cards{
        {"a", reviewed(10, 20, -1)},
        {"b", Card{CardState::Relearning, 0, 1, 5, now + std::chrono::minutes(5), now, 1, 4}},
        {"c", reviewed(3, 20, -10)},
        {"d", reviewed(10, 2, 5)}, // due after the exam cap only
        {"f", reviewed(50, 20, 0)},
        {"i", Card{CardState::Relearning, 0, 1, 5, now + std::chrono::minutes(5), now, 1, 4}}};
    StudyDay day{now, today, std::nullopt, 2, 0, 0, {}};
    const NewWordRules newWords{"s.xml", nullptr, {}, {}};
    const auto build = [&](qsizetype end, const DayWords *answered = nullptr) {
        return buildStudyQueue(keys, 1, end, cards, scheduler, day, newWords, nullptr, answered);
    };
    StudyQueue queue = build(keys.size());
    // Steps due at the same time keep the list's order.
    EXPECT_EQ(queue.learning, (QList<StudyItem>{{2, StudyKind::Learning, cards["b"].due},
                                                {10, StudyKind::Learning, cards["i"].due}}));
    QList<int> order;
    for (const auto &list : {queue.reviews, queue.fresh})
        for (const StudyItem &item : list)
            order << item.position;
    EXPECT_EQ(order.mid(0, 3), (QList<int>{3, 1, 6}));
    EXPECT_EQ(order.mid(3), chooseNewWords(keys, {5, 7, 9}, 2, newWords));
    EXPECT_EQ(queue.neverStudied, 3);
    // A word studied early today was not in the day's plan.
    const DayWords none, early{{"d", WordDay{1, 1, cards["d"]}}};
    EXPECT_EQ(build(keys.size(), &early).plannedReviews, build(keys.size(), &none).plannedReviews);
    day.examDate = today.addDays(4); // d comes the day before; no new words in the last week
    queue = build(keys.size());
    EXPECT_EQ(queue.reviews.size(), 3);
    EXPECT_TRUE(queue.fresh.isEmpty());
    // A range reaching past the list, which has grown shorter, ends with the list; a range
    // ending before it holds none of the words after.
    EXPECT_EQ(build(keys.size() + 5).reviews, queue.reviews);
    EXPECT_EQ(build(5).neverStudied, 0);
}

TEST(Study, WordsOfAFamilyShareAStem)
{
    const std::tuple<const char *, const char *, bool> cases[] = {
        {"abhor", "abhorrent", true},       {"aberrant", "aberration", true},
        {"laud", "laudable", true},         {"equivocal", "equivocate", true},
        {"abase", "abate", false},          {"intercede", "interdict", false},
        {"mendacious", "mendicant", false}, {"abet", "abeyance", false},
    };
    for (const auto &[a, b, family] : cases) // either way round
        EXPECT_EQ(std::pair(sameFamily(a, b), sameFamily(b, a)), std::pair(family, family)) << a;
}

// New words as a learner meets them day after day, each day's taken from what the days before
// left and kept apart from the last two days' words: a list in alphabetical order, with
// families side by side and look-alikes the distractor file names.
TEST(Study, NewWordsComeShuffledWithRelatedWordsDaysApart)
{
    QStringList keys{""};
    for (const char *stem : {"aberra", "abhor", "abjur", "acerb", "adulat", "affab", "alacr",
                             "ameliora", "anachron", "anomal"}) {
        keys << QString::fromLatin1(stem) + "nt" << QString::fromLatin1(stem) + "tion";
        for (int i = 0; i < 4; ++i) // unrelated words in between
            keys << QStringLiteral("%1%2x%3").arg(QChar('b' + i)).arg(keys.size()).arg(stem);
    }
    const Confusables lookAlikes = Confusables::fromText(
        "b3xaberra\tc4xaberra\nd11xabhor\tb15xabjur\te6xaberra\nanomalnt\tabjurnt\n", "t");
    const auto related = [&](const QString &a, const QString &b) {
        return sameFamily(a, b) || lookAlikes.of(a).contains(b) || lookAlikes.of(b).contains(a);
    };
    QList<int> all;
    for (int i = 1; i < keys.size(); ++i)
        all << i;
    const auto introduce = [&](int budget, const QString &listName) {
        QList<int> left = all;
        QList<QList<int>> days;
        while (!left.isEmpty()) {
            NewWordRules rules{listName, &lookAlikes, {}, {}};
            for (qsizetype day = std::max<qsizetype>(0, days.size() - 2); day < days.size(); ++day)
                for (int position : days[day])
                    rules.introducedLately << keys[position];
            days << chooseNewWords(keys, left, budget, rules);
            for (int position : days.back())
                left.removeOne(position);
        }
        return days;
    };
    // The budget, the days it takes, how near two related words come: 3 days leave 2 apart.
    const std::tuple<int, qsizetype, qsizetype> plans[] = {{6, 10, 3}, {20, 3, 2}};
    for (const auto &[budget, dayCount, closestDays] : plans) {
        const QList<QList<int>> days = introduce(budget, "gre.xml");
        EXPECT_EQ(days.size(), dayCount);
        qsizetype closest = 1000;
        for (qsizetype d = 0; d < days.size(); ++d)
            for (qsizetype e = d; e < days.size(); ++e)
                for (int a : days[d])
                    for (int b : days[e])
                        if (a != b && related(keys[a], keys[b]))
                            closest = std::min(closest, e - d);
        EXPECT_EQ(closest, closestDays) << budget;

        EXPECT_EQ(days, introduce(budget, "gre.xml")) << "the same every day";
        EXPECT_NE(days, introduce(budget, "toefl.xml"));
        EXPECT_NE(days.front(), all.mid(0, budget)) << "not the list's order";
    }
    // A word's place does not hang on which other words are still new.
    const NewWordRules plain{"gre.xml", nullptr, {}, {}};
    QList<int> kept = chooseNewWords(keys, all, 60, plain);
    kept.removeIf([](int position) { return position <= 10; });
    EXPECT_EQ(kept, chooseNewWords(keys, all.mid(10), 60, plain));
}

TEST(Study, DueCardsFromTheFileHonourTheExamCap)
{
    ProgressFolder folder;
    LearnerMemory memory(folder.file());
    memory.recordAnswer("a", Rating::Easy, "study", "s.xml", 900, today.startOfDay().addDays(-1));
    StudyDay day{startOfDay(today), today, std::nullopt, 20, 0, 0, {}};
    EXPECT_TRUE(memory.dueCards(day).due.isEmpty());
    EXPECT_EQ(memory.dueCards(day).studied, QSet<QString>{"a"});
    day.examDate = today.addDays(1);
    EXPECT_EQ(memory.dueCards(day).due.keys(), QStringList{"a"});
    memory.recordAnswer("b", Rating::Good, "quiz", "s.xml", 900, today.startOfDay().addDays(-3));
    EXPECT_EQ(memory.dayFigures(day)->streak, 1); // yesterday, not the day before
    memory.recordAnswer("b", Rating::Good, "quiz", "s.xml", 900, today.startOfDay().addDays(-2));
    EXPECT_EQ(memory.dayFigures(day)->streak, 3);
    EXPECT_EQ(memory.wordsFirstAnsweredSince(startOfDay(today.addDays(-2))), QSet<QString>{"a"});
    // One answered today, on the day before the exam, is done until the exam.
    memory.recordAnswer("c", Rating::Easy, "study", "s.xml", 900, today.startOfDay().addSecs(60));
    EXPECT_FALSE(memory.dueCards(day).due.contains("c"));
}

TEST(Study, HintBlanksTheWordItsRegularFormsAndTheArticleBefore)
{
    const std::tuple<const char *, const char *, const char *> cases[] = {
        {"abate", "The storm did not abate; it abated, abating slowly.",
         "The storm did not ____; it ____, ____ slowly."},
        {"ally", "Both allies signed; the ALLY's envoy too.",
         "Both ____ signed; the ____'s envoy too."},
        {"abet", "She abetted the thief by abetting him.", "She ____ the thief by ____ him."},
        {"rise", "Prices rose all year.", "Prices rose all year."},
        {"ad hoc", "An Ad Hoc committee met.", "A(n) ____ committee met."},
        {"tab", "The table had a tab, then an  tab and a\ttab.",
         "The table had a(n) ____, then a(n) ____ and a(n) ____."},
        {"opus", "Santa opus and Ghana opus.", "Santa ____ and Ghana ____."},
    };
    for (const auto &[word, sentence, hint] : cases)
        EXPECT_EQ(clozeHint(sentence, word), hint);
}

TEST(Study, DistractorsNeverRepeatTheRightMeaningNorGiveTheWordAway)
{
    // abatement is abate's family; "abate gradually" names the word: a learner who knows abate
    // could take the first for it, and one who does not could rule out the second.
    const QStringList words{"",     "abate", "lessen", "aid", "cat",       "assist",
                            "laud", "scold", "hide",   "red", "abatement", "wane"};
    const QStringList meanings{
        "",           "(v.) lessen", "(v.) Lessen ",   "(v.) help",
        "(n.) a cat", "(v.) help",   "(v.) praise",    "(v.) scold",
        "(v.) hide",  "(adj.) red",  "(v.) an ending", "(v.) abate gradually"};
    const QList<int> verbs{1, 2, 3, 5, 6, 7, 8, 10, 11};
    QSet<QList<int>> seen;
    for (int seed = 0; seed < 20; ++seed) {
        int next = seed;
        const auto draw = [&next](int n) { return (next = (next * 7 + 3) % 101) % n; };
        const QList<int> chosen =
            chooseDistractors(words, meanings, 1, {2, 3, 5, 6}, verbs, 1, 12, draw);
        ASSERT_EQ(chosen.size(), 4);
        EXPECT_FALSE(chosen.contains(2));
        EXPECT_FALSE(chosen.contains(3) && chosen.contains(5));
        EXPECT_FALSE(chosen.contains(10) || chosen.contains(11));
        for (int each : chosen)
            EXPECT_EQ(partOfSpeech(meanings[each]), "v.");
        seen.insert(chosen);
    }
    EXPECT_GT(seen.size(), 1); // varied among the confusable ones
    const auto first = [](int) { return 0; };
    EXPECT_EQ(chooseDistractors(words, meanings, 9, {}, {9}, 1, 12, first).size(), 4);
    // Nor a word past the end of the range asked, confusable as it may be.
    EXPECT_FALSE(
        chooseDistractors(words, meanings, 1, {6, 7, 8, 9}, verbs, 1, 9, first).contains(9));
}

TEST(Study, PlanAndDistractorFilesSurviveDamage)
{
    StudyPlan plan{today, 0.85, 12};
    EXPECT_EQ(studyPlanFromText(studyPlanText(plan)), plan);
    EXPECT_EQ(studyPlanFromText("exam_date=2026-13-40\nnew_words_per_day=x\r\ndesired_retention=3"),
              StudyPlan{});
    EXPECT_EQ(Confusables::fromText("# c\nabate\tabet\tAbate\n", "t").of(" ABATE"),
              QStringList{"abet"});
    EXPECT_EQ(Confusables::fromText("abate\tabet\nabase\n", "t").size(), 0);
    EXPECT_EQ(Confusables::fromText("abate\t\xff\xfe\n", "t").size(), 0);
}

// A list of words w1, w2, ... "(v.) m1", ... with a session over it.
struct StudyFixture
{
    explicit StudyFixture(int count = 12, const QString &usage = "<usage>u w%1.</usage>")
    {
        folder.writeWords("s.xml", count, "<word>w%1</word><meaning>(v.) m%1</meaning>" + usage);
        words.load("\\XML\\s.xml");
    }
    // Answers right or wrong after some seconds, and goes on.
    QString answer(bool right, int seconds = 2)
    {
        clock.time = clock.time.addSecs(seconds);
        const QString word = session.word();
        session.answer(right ? session.rightChoice() : (session.rightChoice() + 1) % 5);
        session.next();
        return word;
    }
    ProgressFolder folder;
    Dictionary words{folder.dir.path()};
    LearnerMemory memory{folder.file()};
    SetClock clock{QDateTime(today, QTime(9, 0))};
    CountingRandom random;
    StudySession session{words, memory, clock, random};
};

TEST(Study, SessionRecordsGradesBringsFailedWordsBackAndUndoes)
{
    // The grade follows the answer and its time.
    EXPECT_EQ(proposedRating(false, 1000), Rating::Again);
    EXPECT_EQ(proposedRating(true, 8000), Rating::Good);
    EXPECT_EQ(proposedRating(true, 8001), Rating::Hard);
    StudyFixture f;
    platform::writeBytes(f.folder.file("XML/s.confusables.tsv"), "# w\nw1\tw9\tw5\tw7\tw8\n");
    f.session.setPlan(std::nullopt, 3);
    f.session.start();
    f.session.start(); // as a window opened again does
    EXPECT_EQ(f.session.progress().total, 3);
    const QString failed = f.session.word();
    QList<int> choices = f.session.choices(); // w1's confusable words
    std::sort(choices.begin(), choices.end());
    EXPECT_EQ(choices, (QList<int>{1, 5, 7, 8, 9}));
    f.answer(false);
    f.answer(true, 20);
    EXPECT_EQ(f.memory.reviews().back().rating, Rating::Hard);
    f.session.answer(f.session.rightChoice());
    f.session.setGrade(Rating::Easy);
    f.clock.time = f.clock.time.addSecs(60);
    f.session.undo(); // the row goes, the card is asked again, timed anew
    EXPECT_EQ(f.memory.reviewCount(), 2);
    f.answer(true);
    EXPECT_EQ(f.memory.reviews().back().rating, Rating::Good);
    QStringList later;
    while (f.session.phase() != StudySession::Phase::Finished && later.size() < 20)
        later << f.answer(later.count(failed) > 0);
    EXPECT_EQ(later.count(failed), 3) << later.join(" ").toStdString(); // wrong, then 2 steps
    const QList<Review> reviews = f.memory.reviews();
    const auto &summary = f.session.summary();
    EXPECT_EQ(std::tuple(summary.reviewed, summary.learned, summary.streak),
              std::tuple(reviews.size(), 3, 1));
    EXPECT_EQ(reviews.front().source + ' ' + reviews.front().dictionary, "study s.xml");
    f.session.start(); // the day's new words are spent; the figures are the day's
    EXPECT_EQ(f.session.phase(), StudySession::Phase::Finished);
    EXPECT_EQ(f.session.summary().reviewed, reviews.size());
}

// A program folder with two lists of words, a session for each over one memory, and a learner
// who answers right with the memory model's chance of recall (60 % for a word never seen),
// eight seconds an answer, drawn from a seeded random.
struct TwoLists
{
    explicit TwoLists(unsigned seed) : draws(seed)
    {
        // Words that begin alike are of one family, which never stand for each other's choices.
        for (const auto &[name, count] : {std::pair{"gre", 30}, std::pair{"mine", 15}})
            folder.writeWords(QLatin1String(name) + ".xml", count,
                              "<word>" + QString(name).left(2) +
                                  "%1</word><meaning>(v.) sense %1</meaning><usage/>");
        gre.load("\\XML\\gre.xml");
        mine.load("\\XML\\mine.xml");
    }
    void setDay(int day, QTime at = QTime(9, 0)) { clock.time = QDateTime(today.addDays(day), at); }
    bool recalls(const QString &word)
    {
        const Card card = memory.cardFor(word);
        const double chance = card.state == CardState::New
                                  ? 0.6
                                  : memory.scheduler().retrievability(card, toTime(clock.time));
        return std::uniform_real_distribution<>(0, 1)(draws) < chance;
    }
    // Answers up to `most` cards, checking as it goes that the plan's count stays, the words
    // finished never fall, undo restores the counts, and a word that comes back does so after
    // the cards waiting when it was answered (up to a few).
    int study(StudySession &session, int most = 1000)
    {
        const int total = session.progress().total;
        QHash<int, int> backAfter; // position: cards shown by then
        int shown = 0;
        while (session.phase() == StudySession::Phase::Question && shown < most) {
            const int position = session.position();
            EXPECT_GE(shown, backAfter.value(position)) << position;
            ++shown;
            const auto before = session.progress();
            const int choices = int(session.choices().size());
            EXPECT_EQ(choices, StudySession::choiceCount);
            const int choice = recalls(session.word()) ? session.rightChoice()
                                                       : (session.rightChoice() + 1) % choices;
            clock.time = clock.time.addSecs(8);
            if (shown % 7 == 0) {
                session.answer((choice + 2) % choices);
                session.undo();
                EXPECT_EQ(session.progress(), before);
            }
            session.answer(choice);
            const int waiting = int(session.queue().size());
            session.next();
            backAfter[position] = shown + std::min(StudySession::repeatGap, waiting);
            EXPECT_EQ(session.progress().total, total);
            EXPECT_GE(session.progress().finished, before.finished);
        }
        return shown;
    }
    std::mt19937 draws;
    ProgressFolder folder;
    Dictionary gre{folder.dir.path()}, mine{folder.dir.path()};
    LearnerMemory memory{folder.file()};
    SetClock clock{QDateTime(today, QTime(9, 0))};
    CountingRandom random;
    StudySession greSession{gre, memory, clock, random}, mineSession{mine, memory, clock, random};
};

int answersOn(LearnerMemory &memory, QDate day, const QString &list = {})
{
    int count = 0;
    for (const Review &review : memory.reviews())
        count += toDateTime(review.time).toLocalTime().date() == day &&
                 (list.isEmpty() || review.dictionary == list);
    return count;
}

} // namespace

TEST(Study, ALearnersDaysKeepEachListsPlanFixedAcrossRestarts)
{
    // Each list's new words on the first day; the hour of study, the last just after midnight,
    // UTC's yesterday, with 30 and 15 words over 5 days.
    const std::tuple<unsigned, int, std::optional<QDate>, int, int, QTime> learners[] = {
        {1, 6, std::nullopt, 6, 6, QTime(9, 0)},
        {7, 4, std::nullopt, 4, 4, QTime(9, 0)},
        {3, 20, today.addDays(12), 6, 3, QTime(0, 20)}};
    for (const auto &[seed, perDay, exam, greNew, mineNew, at] : learners) {
        TwoLists f(seed);
        for (StudySession *session : {&f.greSession, &f.mineSession})
            session->setPlan(exam, perDay);
        for (int day = 0; day < 4; ++day) {
            f.setDay(day, at);
            f.greSession.start();
            const StudySession::Plan plan = f.greSession.plan();
            const Time dayStart = startOfDay(f.clock.time.date());
            EXPECT_EQ(plan.minutes,
                      f.memory.answerTimes(dayStart).minutes(plan.reviews, plan.newWords));
            EXPECT_TRUE(day > 0 || plan.newWords == greNew) << plan.newWords;
            f.study(f.greSession, 9);
            // The same day in a new run of the program: the same plan, less what was done.
            LearnerMemory restarted(f.folder.file());
            StudySession again(f.gre, restarted, f.clock, f.random);
            again.setPlan(exam, perDay);
            again.start();
            EXPECT_EQ(again.plan().reviews, plan.reviews) << day;
            EXPECT_EQ(again.plan().newWords, plan.newWords) << day;
            EXPECT_EQ(again.progress().finished, f.greSession.progress().finished) << day;
            f.study(again);
            EXPECT_EQ(again.progress().finished, plan.total());
            // The other list's new words are its own, and so is its summary.
            f.mineSession.start();
            EXPECT_TRUE(day > 0 || f.mineSession.plan().newWords == mineNew);
            f.study(f.mineSession);
            f.greSession.start();
            const StudySession::Summary &summary = f.greSession.summary();
            const QDate date = f.clock.time.date();
            EXPECT_EQ(summary.reviewed, answersOn(f.memory, date, "gre.xml")) << day;
            EXPECT_EQ(f.mineSession.summary().reviewed, answersOn(f.memory, date, "mine.xml"));
            EXPECT_EQ(summary.allAnswers, answersOn(f.memory, date));
        }
        // Eight seconds an answer, and a new word's learning steps, are the learner's pace.
        const AnswerTimes times = f.memory.answerTimes(toTime(f.clock.time));
        EXPECT_EQ(std::pair(times.reviewSeconds, times.newSeconds), std::pair(8.0, 8.0));
        EXPECT_GT(times.answersPerNewWord, 2);
    }
}

TEST(Study, StudyMoreAfterTheDayAddsNewWordsEarlyReviewsOrTheHardestWords)
{
    TwoLists f(11);
    f.greSession.setPlan(std::nullopt, 6);
    for (int day = 0; day < 3; ++day) {
        f.setDay(day);
        f.greSession.start();
        f.study(f.greSession);
    }
    const Time tomorrow = startOfDay(f.clock.time.date().addDays(1));
    QHash<QString, int> misses;
    int hardest = 0; // the fewest misses of a hard word
    using Extra = StudySession::Extra;
    // Each extra, and what the words it brings were before.
    const std::pair<Extra, std::function<bool(const QString &word, const Card &before)>> extras[] =
        {
            {Extra::NewWords, [](const QString &, const Card &card) { return card.reps == 0; }},
            {Extra::ReviewAhead,
             [&](const QString &, const Card &card) {
                 return card.state == CardState::Review && card.due >= tomorrow &&
                        card.due < tomorrow + days(StudySession::reviewAheadDays - 1);
             }},
            {Extra::Hardest,
             [&](const QString &word, const Card &) { return misses.value(word) >= hardest; }},
        };
    for (const auto &[extra, fits] : extras) {
        misses.clear();
        for (const Review &review : f.memory.reviews())
            misses[review.word] += review.rating == Rating::Again && review.word.startsWith("gr");
        QList<int> most = misses.values();
        std::sort(most.rbegin(), most.rend());
        hardest = std::max(1, most.value(StudySession::hardestWords - 1));
        const int reviewed = f.greSession.summary().reviewed;
        ASSERT_TRUE(f.greSession.startExtra(extra));
        EXPECT_EQ(f.greSession.plan().extra, extra);
        int answers = 0;
        QSet<QString> seen;
        while (f.greSession.phase() == StudySession::Phase::Question) {
            const QString word = f.greSession.word();
            EXPECT_TRUE(seen.contains(word) || fits(word, f.memory.cardFor(word)))
                << word.toStdString();
            seen << word;
            answers += f.study(f.greSession, 1);
        }
        EXPECT_EQ(seen.size(), f.greSession.plan().total());
        EXPECT_EQ(f.greSession.summary().reviewed, reviewed + answers); // recorded
    }
    // An early review counts the days since the last one: it lengthens the memory less.
    const Scheduler scheduler;
    const Card learnt = scheduler.review(Card{}, Rating::Good, startOfDay(today));
    const Card card = scheduler.review(learnt, Rating::Good, startOfDay(today) + days(1));
    EXPECT_LT(scheduler.review(card, Rating::Good, card.lastReview + days(1)).stability,
              scheduler.review(card, Rating::Good, card.due).stability);
}

// The daily limit holds back the day's new words after every review due, by the minutes the
// plan shows, and the forecast's first day holds back as many; reviews above the limit are all
// asked, and studying more stays open after the day.
TEST(Study, TheDailyLimitHoldsBackNewWordsAsTheForecastDoes)
{
    StudyFixture f(40, "<usage/>");
    auto [session, memory, clock] = std::tie(f.session, f.memory, f.clock);
    QList<Review> learnt;
    for (int i = 1; i <= 20; ++i) // known at once a month ago: due since
        learnt << Review{"w" + QString::number(i), startOfDay(today) - days(30), Rating::Easy,
                         "study", "s.xml"};
    memory.addReviews(learnt);

    // Ten seconds an answer until the learner has given enough: 20 reviews take 200 s.
    const std::tuple<int, int, int, bool> cases[] = {
        {0, 10, 9, false}, {60, 10, 9, false}, {5, 3, 5, false}, {4, 1, 4, false}, {3, 0, 4, true}};
    for (const auto &[limit, newWords, minutes, over] : cases) {
        SCOPED_TRACE(limit);
        session.setPlan(std::nullopt, 10, limit);
        session.start();
        const StudySession::Plan plan = session.plan();
        EXPECT_EQ(std::tuple(plan.reviews, plan.newWords, plan.minutes, plan.overLimit, plan.limit),
                  std::tuple(20, newWords, minutes, over, newWords < 10 ? limit : 0));
        EXPECT_EQ(session.queue().fresh.size(), newWords);
        const ForecastInput input =
            readForecastInput(memory, f.words, StudyPlan{std::nullopt, 0.9, 10, limit}, clock.time);
        EXPECT_EQ(forecast(input).planned.newWordsFirstDay, newWords);
    }

    // The last review taken for a word answered before, which comes back outside the plan and is
    // missed again: the plan is done all the same.
    QString taken;
    int takenShown = 0;
    while (session.phase() == StudySession::Phase::Question) {
        clock.time = clock.time.addSecs(taken.isEmpty() ? 700 : 5);
        int choice = session.rightChoice();
        takenShown += session.word() == taken ? 1 : 0;
        if ((taken.isEmpty() && session.queue().reviews.isEmpty()) || takenShown == 1) {
            for (int other = 0; other < StudySession::choiceCount; ++other)
                if (other != session.rightChoice() &&
                    memory.cardFor(session.choiceWord(other)).state == CardState::Review)
                    choice = other;
            taken = taken.isEmpty() ? session.choiceWord(choice) : taken;
        }
        session.answer(choice);
        session.next();
    }
    EXPECT_EQ(takenShown, 2);
    EXPECT_EQ(session.progress().finished, 20);
    EXPECT_TRUE(session.startExtra(StudySession::Extra::NewWords));
}
