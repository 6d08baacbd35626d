// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learning/learnermemory.h"

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

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
};

// What the memory told the learner.
struct Notices
{
    explicit Notices(learning::LearnerMemory &memory)
    {
        QObject::connect(&memory, &learning::LearnerMemory::notice,
                         [this](const QString &text) { said << text; });
    }
    QStringList said;
};

inline QDateTime minute(int n)
{
    return QDateTime(QDate(2024, 3, 1), QTime(9, 0), Qt::UTC).addSecs(60LL * n);
}
