// SPDX-License-Identifier: GPL-3.0-or-later
// Real faults under the progress file: garbage and corrupt files, read-only files and folders,
// a program killed between answers, two programs writing at once.

#include "learning/timetext.h"
#include "learningtest.h"
#include "platform/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace learning;

namespace {

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

// A progress file of some hundred answers, closed.
void fill(const QString &path)
{
    LearnerMemory memory(path);
    QList<Review> reviews;
    for (int n = 0; n < 500; ++n)
        reviews << Review{QStringLiteral("word%1").arg(n),
                          toTime(minute(n)),
                          Rating::Good,
                          "quiz",
                          "gre1.xml",
                          900};
    memory.addReviews(reviews);
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

TEST(Faults, ADamagedFileIsKeptAsideAndANewOneStarts)
{
    const std::pair<const char *, std::function<void(const QString &)>> damages[] = {
        {"garbage", [](const QString &path) { overwrite(path, 0, QByteArray(70000, '\x5a')); }},
        {"a torn header",
         [](const QString &path) { overwrite(path, 0, QByteArray("SQLite format 3\0\x12", 17)); }},
        {"a corrupt page",
         [](const QString &path) {
             fill(path); // then a program ends without closing the file
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
        const Notices notices(memory);
        EXPECT_EQ(memory.status(), LearnerMemory::Status::StartedAfresh);
        QStringList copies = QDir(folder.file("progress")).entryList({"progress.sqlite.damaged-*"});
        copies.removeIf([](const QString &name) { return name.endsWith("-wal"); });
        ASSERT_EQ(copies.size(), 1);
        EXPECT_EQ(platform::readBytes(folder.file("progress/" + copies[0])), before);
        EXPECT_GT(answer(memory, 1), 0);
        ASSERT_EQ(notices.said.size(), 1) << "told once";
        EXPECT_TRUE(notices.said[0].contains(copies[0]));
        EXPECT_EQ(folder.sqlite("PRAGMA integrity_check"), "ok");
    }
}

TEST(Faults, AReadOnlyFileOrFolderKeepsItsProgressAndSavesNothing)
{
    const std::pair<const char *, const char *> places[] = {
        {"read-only file", "progress/progress.sqlite"}, {"read-only folder", "progress"}};
    for (const auto &[name, place] : places) {
        SCOPED_TRACE(name);
        ProgressFolder folder;
        answer(*std::make_unique<LearnerMemory>(folder.file()), 1);
        const QByteArray before = platform::readBytes(folder.file());
        const QString locked = folder.file(QString::fromLatin1(place));
        const auto permissions = QFile::permissions(locked);
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
        {
            LearnerMemory memory(folder.file());
            const Notices notices(memory);
            EXPECT_EQ(memory.status(), LearnerMemory::Status::NotSaving);
            EXPECT_EQ(answer(memory, 2), -1);
            EXPECT_FALSE(memory.undoLast());
            EXPECT_TRUE(memory.loadCards().contains("word1"));
            EXPECT_EQ(notices.said.size(), 1) << "told once";
        }
        QFile::setPermissions(locked, permissions);
        EXPECT_EQ(platform::readBytes(folder.file()), before);
    }
}

TEST(Faults, AProgramKilledBetweenAnswersKeepsEveryCommittedOne)
{
    ProgressFolder folder;
    const auto [child, reading] = recordInChild(folder.file(), 100000);
    ASSERT_GT(child, 0);
    int last = -1;
    while (last < 60 && read(reading, &last, sizeof last) == sizeof last) {
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    close(reading);
    LearnerMemory memory(folder.file());
    EXPECT_EQ(memory.status(), LearnerMemory::Status::Saving);
    EXPECT_EQ(folder.sqlite("PRAGMA integrity_check"), "ok");
    const auto cards = memory.loadCards();
    for (int n = 0; n <= last; ++n)
        EXPECT_TRUE(cards.contains(QStringLiteral("word%1").arg(n))) << n;
    EXPECT_EQ(memory.reviewCount(), cards.size());
}

TEST(Faults, TwoProgramsAnswerAtOnce)
{
    ProgressFolder folder;
    LearnerMemory here(folder.file());
    const auto [child, reading] = recordInChild(folder.file(), 100);
    ASSERT_GT(child, 0);
    for (int n = 1000; n < 1100; ++n)
        EXPECT_GT(answer(here, n), 0);
    int childAnswers = 0;
    for (int n; read(reading, &n, sizeof n) == sizeof n;)
        ++childAnswers;
    waitpid(child, nullptr, 0);
    close(reading);
    EXPECT_EQ(childAnswers, 100);
    EXPECT_EQ(here.reviewCount(), 200);
    EXPECT_EQ(here.loadCards().size(), 200);
    EXPECT_EQ(folder.sqlite("PRAGMA integrity_check"), "ok");
}

} // namespace
