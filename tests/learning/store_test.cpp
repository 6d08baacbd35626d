// SPDX-License-Identifier: GPL-3.0-or-later
// The review log and the word states: replay, merge, undo, versions; and real faults under the
// file: garbage, corruption, read-only places, a program killed, two programs at once.

#include "learningtest.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Several words answered over weeks, one of them under three spellings, one answer dated
// before the one recorded ahead of it.
void answerSome(LearnerMemory &memory, int salt = 0)
{
    const std::pair<const char *, int> answers[] = {
        {"Abate", 0},           {" abate ", 1},        {"belie", 2},  {"ABATE\t", 60 * 24},
        {"cogent", 3},          {"belie", 13},         {"cogent", 5}, {"abate", 60 * 24 * 9},
        {"belie", 60 * 24 * 3}, {"belie", 60 * 24 * 2}};
    for (int i = 0; i < int(std::size(answers)); ++i) {
        const Rating rating = (i + salt) % 4 == 1 ? Rating::Again : Rating::Good;
        memory.recordAnswer(answers[i].first, rating, "quiz", "gre1.xml", 1000 + i,
                            minute(answers[i].second + salt * 7));
    }
}

using Store = MemoryTest;

TEST_F(Store, ReplayGivesWhatEachAnswerGave)
{
    answerSome(memory);
    const auto incremental = memory.loadCards();
    ASSERT_EQ(incremental.keys().size(), 3);
    EXPECT_EQ(incremental["abate"].reps, 4);
    EXPECT_EQ(memory.cardFor("  BELIE"), incremental["belie"]);
    // A cache that lost its rows is rebuilt on the next start.
    folder.sqlite("DELETE FROM cards");
    EXPECT_EQ(LearnerMemory(folder.file()).loadCards(), incremental);
    folder.sqlite("DELETE FROM reviews WHERE word = 'cogent'");
    EXPECT_EQ(LearnerMemory(folder.file()).loadCards().size(), 2);

    // The words of a day, each with the card its own answers before the day gave it.
    LearnerMemory again(folder.file());
    const QHash<QString, Card> before = again.loadCards();
    const QDateTime later = minute(60 * 24 * 20);
    for (const QString word : {"belie", "abate"})
        again.recordAnswer(word, Rating::Good, "quiz", {}, 0, later);
    const DayWords words = again.dayWords(later.toLocalTime().date());
    ASSERT_EQ(words.size(), 2);
    for (const QString key : {"abate", "belie"})
        EXPECT_EQ(words[key].before, before[key]) << key.toStdString();
}

TEST_F(Store, MemoriesOfOlderFormulasAreReplayed)
{
    memory.recordAnswer("abate", Rating::Good, {}, {}, 0, minute(0));
    memory.recordAnswer("abate", Rating::Hard, {}, {}, 0, minute(10));
    const Card now = memory.cardFor("abate");
    const QString fingerprint = memory.scheduler().fingerprint();
    // The first FSRS-6 formulas lowered stability on a same-day Hard, under the name "fsrs6".
    const QString older = "fsrs6" + fingerprint.mid(fingerprint.indexOf(' '));
    ASSERT_NE(older, fingerprint);
    folder.sqlite("UPDATE cards SET stability = 1.3363; UPDATE cards_basis SET scheduler = '" +
                  older + "'");
    EXPECT_EQ(LearnerMemory(folder.file()).cardFor("abate"), now);
    EXPECT_EQ(folder.sqlite("SELECT stability || ' ' || scheduler FROM cards, cards_basis"),
              "2.3065 " + fingerprint);
}

TEST_F(Store, MergedProgressIsTheSameInEitherOrderAndTwice)
{
    const auto at = [&](const QString &name) { return folder.file(name); };
    const auto exported = [&](LearnerMemory &memory) {
        memory.exportCsv(at("out.csv"));
        return platform::readBytes(at("out.csv"));
    };
    LearnerMemory first(at("a.sqlite")), second(at("b.sqlite")), ab(at("ab.sqlite")),
        ba(at("ba.sqlite"));
    answerSome(first);
    answerSome(second, 1);
    first.exportCsv(at("a.csv"));
    second.exportCsv(at("b.csv"));
    EXPECT_EQ(ab.importCsv(at("a.csv")).added, 10);
    ab.importCsv(at("b.csv"));
    ba.importCsv(at("b.csv"));
    ba.importCsv(at("a.csv"));
    first.importCsv(at("b.csv"));
    const QByteArray merged = exported(ab);
    EXPECT_EQ(exported(ba) + exported(first), merged + merged);
    EXPECT_EQ(ba.loadCards(), ab.loadCards());
    EXPECT_EQ(first.loadCards(), ab.loadCards());
    const auto again = ab.importCsv(at("a.csv"));
    EXPECT_EQ(again.added * 100 + again.skipped, 10);
    EXPECT_EQ(exported(ab), merged);
}

TEST_F(Store, UndoTakesBackTheLastAnswers)
{
    memory.recordAnswer("abate", Rating::Good, "study", {}, 0, minute(0));
    const Card afterOne = memory.cardFor("abate");
    memory.recordAnswer("Abate", Rating::Again, "study", {}, 0, minute(5));
    EXPECT_TRUE(memory.undoLast());
    EXPECT_EQ(memory.cardFor("abate"), afterOne);
    EXPECT_TRUE(memory.undoLast());
    EXPECT_EQ(memory.cardFor("abate"), Card());
    EXPECT_FALSE(memory.undoLast());
    EXPECT_EQ(memory.reviewCount(), 0);

    // An answer taken back by its id, one that is no longer there is told as not taken.
    const qint64 id = memory.recordAnswer("abate", Rating::Good, "study", {}, 0, minute(10));
    EXPECT_FALSE(memory.deleteReview(id + 1));
    EXPECT_EQ(memory.reviewCount(), 1);
    EXPECT_TRUE(memory.deleteReview(id));
    EXPECT_FALSE(memory.deleteReview(id));
    EXPECT_EQ(memory.cardFor("abate"), Card());
}

// Nothing is made before the memory is first used; the windows that show it hear of each
// answer recorded, taken back or added, and of nothing else.
TEST_F(Store, OpensOnFirstUseAndTellsOfEachChange)
{
    memory.setSchedulerOptions({.desiredRetention = 0.8});
    EXPECT_FALSE(QFileInfo::exists(folder.file("progress")));
    QSignalSpy changes(&memory, &LearnerMemory::changed);
    const auto answer = [&] { memory.recordAnswer("abate", Rating::Good, {}, {}, 0, minute(0)); };
    const QList<Review> history{{"belie", toTime(minute(1)), Rating::Again, "anki", {}, 0}};
    const QString own = folder.file("own.csv"), others = folder.file("others.csv");
    LearnerMemory other(folder.file("other.sqlite"));
    other.recordAnswer("cogent", Rating::Good, "quiz", {}, 0, minute(2));
    other.exportCsv(others);
    const std::tuple<const char *, std::function<void()>, int> steps[] = {
        {"an answer", answer, 1},
        {"the same answer again", answer, 0},
        {"undo", [&] { memory.undoLast(); }, 1},
        {"nothing left to undo", [&] { memory.undoLast(); }, 0},
        {"a history added", [&] { memory.addReviews(history); }, 1},
        {"the same history", [&] { memory.addReviews(history); }, 0},
        {"its own answers exported", [&] { memory.exportCsv(own); }, 0},
        {"and imported again", [&] { memory.importCsv(own); }, 0},
        {"another file's answers imported", [&] { memory.importCsv(others); }, 1},
        {"the cards read", [&] { memory.loadCards(); }, 0},
        {"the answers read", [&] { memory.reviews(); }, 0},
    };
    for (const auto &[name, step, told] : steps) {
        SCOPED_TRACE(name);
        changes.clear();
        step();
        EXPECT_EQ(changes.size(), told);
    }
    EXPECT_EQ(memory.scheduler().options().desiredRetention, 0.8);
    // Other options close the file; it opens again with them and replays the cards.
    memory.setSchedulerOptions({.desiredRetention = 0.85});
    EXPECT_EQ(memory.scheduler().options().desiredRetention, 0.85);
    EXPECT_EQ(folder.sqlite("SELECT scheduler FROM cards_basis"), memory.scheduler().fingerprint());
    EXPECT_EQ(memory.reviewCount(), 2);
}

TEST_F(Store, TheLogIsPlainToTheShellAndVersioned)
{
    QDir().mkpath(folder.file("progress"));
    QFile(folder.file()).open(QIODevice::WriteOnly); // an empty file: version 0
    EXPECT_EQ(memory.status(), LearnerMemory::Status::Saving);
    memory.recordAnswer("Cogent", Rating::Hard, "quiz", "gre1.xml", 2500, minute(0));
    EXPECT_EQ(folder.sqlite("PRAGMA user_version"), "2");
    EXPECT_EQ(folder.sqlite("SELECT * FROM reviews"),
              "1|cogent|2024-03-01T09:00:00.000Z|2|quiz|gre1.xml|2500|meaning|");
    folder.sqlite("PRAGMA user_version = 3");
    LearnerMemory newer(folder.file());
    const QSignalSpy notices(&newer, &LearnerMemory::notice);
    EXPECT_EQ(newer.status(), LearnerMemory::Status::NotSaving);
    EXPECT_EQ(newer.recordAnswer("abate", Rating::Good, {}, {}, 0, minute(1)), -1);
    EXPECT_FALSE(newer.deleteReview(1)); // nor takes an answer back
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0][0].toString().contains("newer"));
}

TEST_F(Store, AProgressFileWithABadLineAddsNothing)
{
    platform::writeBytes(
        folder.file("bad.csv"),
        "\xef\xbb\xbfrating,word,reviewed_at\r\n3,\"abate, v.\",2024-03-01T09:00:00Z\r\n"
        "5,belie,2024-03-01T09:00:00Z\r\n");
    try {
        memory.importCsv(folder.file("bad.csv"));
        ADD_FAILURE() << "a rating of 5 was taken";
    } catch (const platform::Error &error) {
        EXPECT_TRUE(error.message().contains("Line 3")) << error.what();
    }
    EXPECT_EQ(memory.reviewCount(), 0);
    // An answer given at once took no time, which is a duration all the same.
    platform::writeBytes(folder.file("instant.csv"), "word,reviewed_at,rating,duration_ms\r\n"
                                                     "abate,2024-03-01T09:00:00Z,3,0\r\n");
    EXPECT_EQ(memory.importCsv(folder.file("instant.csv")).added, 1);
}

using Faults = MemoryTest;

void overwrite(const QString &path, qint64 at, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(at);
    file.write(bytes);
}

qint64 answer(LearnerMemory &memory, int n)
{
    return memory.recordAnswer(QStringLiteral("word%1").arg(n), Rating::Good, "quiz", "gre1.xml",
                               900, minute(n));
}

// Records answers 0, 1, ... in a child process, which reports each on a pipe once recorded
// and ends without closing the file. Returns the child and the reading end.
std::pair<pid_t, int> recordInChild(const QString &path, int count)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return {-1, -1};
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        LearnerMemory memory(path);
        for (int n = 0; n < count; ++n)
            if (answer(memory, n) > 0 && write(pipeEnds[1], &n, sizeof n) != sizeof n)
                break;
        _exit(0);
    }
    close(pipeEnds[1]);
    return {child, pipeEnds[0]};
}

TEST_F(Faults, ADamagedFileIsKeptAsideAndANewOneStarts)
{
    const std::pair<const char *, std::function<void(const QString &)>> damages[] = {
        {"garbage", [](const QString &path) { overwrite(path, 0, QByteArray(70000, '\x5a')); }},
        {"a torn header",
         [](const QString &path) { overwrite(path, 0, QByteArray("SQLite format 3\0\x12", 17)); }},
        {"a corrupt page",
         [](const QString &path) {
             QList<Review> reviews; // some hundred answers, then a program that never closes
             for (int n = 0; n < 500; ++n)
                 reviews << Review("word" + QString::number(n), toTime(minute(n)), Rating::Good,
                                   "quiz", "gre1.xml", 900);
             LearnerMemory(path).addReviews(reviews);
             const auto [child, reading] = recordInChild(path, 5);
             waitpid(child, nullptr, 0);
             close(reading);
             overwrite(path, QFileInfo(path).size() / 2, QByteArray(20000, '\xff'));
         }},
    };
    for (const auto &[name, damage] : damages) {
        SCOPED_TRACE(name);
        ProgressFolder folder;
        QDir().mkpath(folder.file("progress"));
        damage(folder.file());
        const QByteArray before = platform::readBytes(folder.file());
        LearnerMemory memory(folder.file());
        const QSignalSpy notices(&memory, &LearnerMemory::notice);
        EXPECT_EQ(memory.status(), LearnerMemory::Status::StartedAfresh);
        QStringList copies = QDir(folder.file("progress")).entryList({"progress.sqlite.damaged-*"});
        copies.removeIf([](const QString &name) { return name.endsWith("-wal"); });
        ASSERT_EQ(copies.size(), 1);
        EXPECT_EQ(platform::readBytes(folder.file("progress/" + copies[0])), before);
        EXPECT_GT(answer(memory, 1), 0);
        ASSERT_EQ(notices.size(), 1) << "told once";
        EXPECT_TRUE(notices[0][0].toString().contains(copies[0]));
        EXPECT_EQ(folder.sqlite("PRAGMA integrity_check"), "ok");
    }
}

TEST_F(Faults, AReadOnlyFileOrFolderKeepsItsProgressAndSavesNothing)
{
    const std::pair<const char *, const char *> places[] = {
        {"read-only file", "progress/progress.sqlite"}, {"read-only folder", "progress"}};
    for (const auto &[name, place] : places) {
        SCOPED_TRACE(name);
        ProgressFolder folder;
        answer(*std::make_unique<LearnerMemory>(folder.file()), 1);
        const QByteArray before = platform::readBytes(folder.file());
        const QString locked = folder.file(place);
        const auto permissions = QFile::permissions(locked);
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
        {
            LearnerMemory memory(folder.file());
            const QSignalSpy notices(&memory, &LearnerMemory::notice);
            EXPECT_EQ(memory.status(), LearnerMemory::Status::NotSaving);
            EXPECT_EQ(answer(memory, 2), -1);
            EXPECT_FALSE(memory.undoLast());
            EXPECT_TRUE(memory.loadCards().contains("word1"));
            EXPECT_EQ(notices.size(), 1) << "told once";
        }
        QFile::setPermissions(locked, permissions);
        EXPECT_EQ(platform::readBytes(folder.file()), before);
    }
}

TEST_F(Faults, AProgramKilledBetweenAnswersKeepsEveryCommittedOne)
{
    const auto [child, reading] = recordInChild(folder.file(), 100000);
    ASSERT_GT(child, 0);
    int last = -1;
    while (last < 60 && read(reading, &last, sizeof last) == sizeof last) {
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    close(reading);
    EXPECT_EQ(memory.status(), LearnerMemory::Status::Saving);
    EXPECT_EQ(folder.sqlite("PRAGMA integrity_check"), "ok");
    const auto cards = memory.loadCards();
    for (int n = 0; n <= last; ++n)
        EXPECT_TRUE(cards.contains(QStringLiteral("word%1").arg(n))) << n;
    EXPECT_EQ(memory.reviewCount(), cards.size());
}

TEST_F(Faults, TwoProgramsAnswerAtOnce)
{
    const auto [child, reading] = recordInChild(folder.file(), 100);
    ASSERT_GT(child, 0);
    for (int n = 1000; n < 1100; ++n)
        EXPECT_GT(answer(memory, n), 0);
    int childAnswers = 0;
    for (int n; read(reading, &n, sizeof n) == sizeof n;)
        ++childAnswers;
    waitpid(child, nullptr, 0);
    close(reading);
    EXPECT_EQ(std::tuple(childAnswers, memory.reviewCount(), memory.loadCards().size()),
              std::tuple(100, 200, 200));
    EXPECT_EQ(folder.sqlite("PRAGMA integrity_check"), "ok");
}

} // namespace
