// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dictionary.h"
#include "learning/learnermemory.h"
#include "learning/timetext.h"
#include "platform/error.h"
#include "platform/services.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace learning;

// A temporary program folder with a progress file in it, and the sqlite3 shell a learner
// would use to look inside.
struct ProgressFolder
{
    QTemporaryDir dir;
    QString file(const QString &name = QStringLiteral("progress/progress.sqlite")) const
    {
        return dir.filePath(name);
    }
    QString sqlite(const QString &statement) const
    {
        QProcess shell;
        shell.start(QStringLiteral("sqlite3"), {file(), statement});
        shell.waitForFinished();
        return QString::fromUtf8(shell.readAllStandardOutput()).trimmed();
    }
    // Writes XML/<name>: the heading entry every list begins with, then `entries`.
    void writeList(const QString &name, const QByteArray &entries) const
    {
        QDir(dir.path()).mkpath(QStringLiteral("XML"));
        platform::writeBytes(file(QStringLiteral("XML/") + name),
                             "<GRE><word>about</word><meaning>x</meaning><usage/>" + entries +
                                 "</GRE>");
    }
    // Writes XML/<name> of `count` entries made from `entry`, %1 the entry's number from 1.
    void writeWords(const QString &name, int count, const QString &entry) const
    {
        QByteArray entries;
        for (int i = 1; i <= count; ++i)
            entries += entry.arg(i).toUtf8();
        writeList(name, entries);
    }
};

// A progress folder and the learner's memory in it.
struct MemoryTest : ::testing::Test
{
    ProgressFolder folder;
    LearnerMemory memory{folder.file()};
};

// A clock that stands where the test puts it.
class SetClock : public platform::Clock
{
public:
    explicit SetClock(QDateTime at = QDateTime(QDate(2026, 12, 7), QTime(9, 0))) : time(at) {}
    QDateTime now() override { return time; }
    QDateTime time;
};

// The same draws in every run, spread over [0, 1).
class CountingRandom : public platform::Random
{
public:
    void randomize() override {}
    float rnd() override { return float((n = (n * 37 + 11) % 97)) / 97.0f; }
    int n = 5;
};

inline QDateTime minute(int n)
{
    return QDateTime(QDate(2024, 3, 1), QTime(9, 0), Qt::UTC).addSecs(60LL * n);
}
