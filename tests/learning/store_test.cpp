// SPDX-License-Identifier: GPL-3.0-or-later
// The review log and the word states: replay, merge, undo, versions.

#include "learningtest.h"
#include "platform/error.h"
#include "platform/textfile.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace learning;

namespace {

// Several words answered over weeks, one of them under three spellings, one answer dated
// before the one recorded ahead of it.
void answerSome(ProgressStore &store, int salt = 0)
{
    const std::pair<const char *, int> answers[] = {
        {"Abate", 0},           {" abate ", 1},        {"belie", 2},  {"ABATE\t", 60 * 24},
        {"cogent", 3},          {"belie", 13},         {"cogent", 5}, {"abate", 60 * 24 * 9},
        {"belie", 60 * 24 * 3}, {"belie", 60 * 24 * 2}};
    for (int i = 0; i < int(std::size(answers)); ++i) {
        const Rating rating = (i + salt) % 4 == 1 ? Rating::Again : Rating::Good;
        store.recordAnswer(QString::fromUtf8(answers[i].first), rating, QStringLiteral("quiz"),
                           QStringLiteral("gre1.xml"), 1000 + i,
                           minute(answers[i].second + salt * 7));
    }
}

TEST(Store, ReplayGivesWhatEachAnswerGave)
{
    ProgressFolder folder;
    ProgressStore store(folder.file());
    answerSome(store);
    const auto incremental = store.loadCards();
    ASSERT_EQ(incremental.keys().size(), 3);
    EXPECT_EQ(incremental[QStringLiteral("abate")].reps, 4);
    EXPECT_EQ(store.cardFor(QStringLiteral("  BELIE")), incremental[QStringLiteral("belie")]);
    store.replay();
    EXPECT_EQ(store.loadCards(), incremental);
    // A cache that lost its rows is rebuilt on the next start.
    folder.sqlite(QStringLiteral("DELETE FROM cards"));
    EXPECT_EQ(ProgressStore(folder.file()).loadCards(), incremental);
    folder.sqlite(QStringLiteral("DELETE FROM reviews WHERE word = 'cogent'"));
    EXPECT_EQ(ProgressStore(folder.file()).loadCards().size(), 2);
}

TEST(Store, MemoriesOfOlderFormulasAreReplayed)
{
    ProgressFolder folder;
    Card now;
    QString fingerprint;
    {
        ProgressStore store(folder.file());
        store.recordAnswer(QStringLiteral("abate"), Rating::Good, {}, {}, 0, minute(0));
        store.recordAnswer(QStringLiteral("abate"), Rating::Hard, {}, {}, 0, minute(10));
        now = store.cardFor(QStringLiteral("abate"));
        fingerprint = store.scheduler().fingerprint();
    }
    // The first FSRS-6 formulas lowered stability on a same-day Hard, under the name "fsrs6".
    const QString older = QStringLiteral("fsrs6") + fingerprint.mid(fingerprint.indexOf(' '));
    ASSERT_NE(older, fingerprint);
    folder.sqlite(QStringLiteral("UPDATE cards SET stability = 1.3363; UPDATE cards_basis SET "
                                 "scheduler = '%1'")
                      .arg(older));
    EXPECT_EQ(ProgressStore(folder.file()).cardFor(QStringLiteral("abate")), now);
    EXPECT_EQ(folder.sqlite(QStringLiteral("SELECT stability || ' ' || scheduler FROM cards, "
                                           "cards_basis")),
              QStringLiteral("2.3065 ") + fingerprint);
}

TEST(Store, MergedProgressIsTheSameInEitherOrderAndTwice)
{
    ProgressFolder folder;
    const auto at = [&](const char *name) { return folder.file(QLatin1String(name)); };
    const auto exported = [&](ProgressStore &store) {
        store.exportCsv(at("out.csv"));
        return platform::readBytes(at("out.csv"));
    };
    ProgressStore first(at("a.sqlite")), second(at("b.sqlite")), ab(at("ab.sqlite")),
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

TEST(Store, UndoTakesBackTheLastAnswers)
{
    ProgressFolder folder;
    ProgressStore store(folder.file());
    store.recordAnswer(QStringLiteral("abate"), Rating::Good, QStringLiteral("study"), {}, 0,
                       minute(0));
    const Card afterOne = store.cardFor(QStringLiteral("abate"));
    store.recordAnswer(QStringLiteral("Abate"), Rating::Again, QStringLiteral("study"), {}, 0,
                       minute(5));
    EXPECT_TRUE(store.undoLast());
    EXPECT_EQ(store.cardFor(QStringLiteral("abate")), afterOne);
    EXPECT_TRUE(store.undoLast());
    EXPECT_EQ(store.cardFor(QStringLiteral("abate")), Card());
    EXPECT_FALSE(store.undoLast());
    EXPECT_EQ(store.reviewCount(), 0);
}

TEST(Store, TheLogIsPlainToTheShellAndVersioned)
{
    ProgressFolder folder;
    QDir().mkpath(folder.file(QStringLiteral("progress")));
    QFile(folder.file()).open(QIODevice::WriteOnly); // an empty file: version 0
    {
        ProgressStore store(folder.file());
        EXPECT_EQ(store.status(), ProgressStore::Status::Saving);
        store.recordAnswer(QStringLiteral("Cogent"), Rating::Hard, QStringLiteral("quiz"),
                           QStringLiteral("gre1.xml"), 2500, minute(0));
    }
    EXPECT_EQ(folder.sqlite(QStringLiteral("PRAGMA user_version")), QStringLiteral("1"));
    EXPECT_EQ(folder.sqlite(QStringLiteral("SELECT * FROM reviews")),
              QStringLiteral("1|cogent|2024-03-01T09:00:00.000Z|2|quiz|gre1.xml|2500"));
    folder.sqlite(QStringLiteral("PRAGMA user_version = 2"));
    ProgressStore newer(folder.file());
    EXPECT_EQ(newer.status(), ProgressStore::Status::NotSaving);
    EXPECT_TRUE(newer.takeNotice().contains(QStringLiteral("newer")));
    EXPECT_EQ(newer.recordAnswer(QStringLiteral("abate"), Rating::Good, {}, {}, 0, minute(1)), -1);
}

TEST(Store, AProgressFileWithABadLineAddsNothing)
{
    ProgressFolder folder;
    platform::writeBytes(
        folder.file("bad.csv"),
        "\xef\xbb\xbfrating,word,reviewed_at\r\n3,\"abate, v.\",2024-03-01T09:00:00Z\r\n"
        "5,belie,2024-03-01T09:00:00Z\r\n");
    ProgressStore store(folder.file());
    try {
        store.importCsv(folder.file("bad.csv"));
        ADD_FAILURE() << "a rating of 5 was taken";
    } catch (const vocabrix::error &error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("Line 3"))) << error.what();
    }
    EXPECT_EQ(store.reviewCount(), 0);
}

} // namespace
