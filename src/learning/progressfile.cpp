// SPDX-License-Identifier: GPL-3.0-or-later
// The progress file itself: opening it, setting a damaged one aside, keeping a read-only one as
// it is, and what the learner is told about it.

#include "progressstoreparts.h"

#include "platform/error.h"
#include "schema.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <unistd.h>
#include <utility>

namespace learning {

namespace {

enum class FileKind { Empty, SQLite, Other, Unreadable };

FileKind fileKind(const QString &path)
{
    QFile file(path);
    if (!file.exists() || file.size() == 0)
        return FileKind::Empty;
    if (file.size() < 100) // shorter than SQLite's own header
        return FileKind::Other;
    if (!file.open(QIODevice::ReadOnly))
        return FileKind::Unreadable;
    static const QByteArray header("SQLite format 3\0", 16);
    return file.read(header.size()) == header ? FileKind::SQLite : FileKind::Other;
}

} // namespace

ProgressStore::ProgressStore(const QString &file, SchedulerOptions options, Access access)
    : path(file), requested(std::move(options)), access(access), fsrs(requested),
      connectionName(QStringLiteral("vocabrix-progress-%1").arg(quintptr(this), 0, 16))
{
    try {
        openWhenFree();
    } catch (const sql::Failure &failure) {
        disconnect();
        // Damage that the quick check let through shows itself on first use.
        if (!failure.damaged() || !movedAside.isEmpty() || !writable() || !moveAside()) {
            cannotRead(failure.text());
            return;
        }
        try {
            open();
        } catch (const sql::Failure &again) {
            disconnect();
            cannotRead(again.text());
        }
    }
}

// Another program that is making the file, or switching it to its journal, holds a lock that
// SQLite's busy timeout does not wait for: that program is not a fault of the file, so the
// opening is tried again for a few seconds before recording is turned off.
void ProgressStore::openWhenFree()
{
    for (int attempt = 1;; ++attempt) {
        try {
            open();
            return;
        } catch (const sql::Failure &failure) {
            if (!failure.busy() || attempt == 50)
                throw;
            statements.reset();
            disconnect();
            QThread::msleep(100);
        }
    }
}

void ProgressStore::open()
{
    const QFileInfo info(path);
    if (access == Access::ReadWrite && !QDir().mkpath(info.absolutePath())) {
        cannotRead(QCoreApplication::translate("learning", "the folder %1 cannot be made")
                       .arg(native(info.absolutePath())));
        return;
    }
    const bool canWrite = writable();
    const FileKind kind = fileKind(path);
    if (kind == FileKind::Unreadable || (kind == FileKind::Empty && access == Access::ReadOnly)) {
        cannotRead(QCoreApplication::translate("learning", "%1 cannot be read").arg(native(path)));
        return;
    }
    if (kind == FileKind::Other && (!canWrite || !moveAside())) {
        cannotRead(
            QCoreApplication::translate("learning", "%1 is not a progress file").arg(native(path)));
        return;
    }
    // The full check reads the whole file, so it runs when the last program did not close the
    // file (its journal is still there: killed, crashed, or running now). Damage elsewhere
    // shows as an error on first use, which sets the file aside all the same. A file only read
    // is not checked: it is not set aside, its damage is an error when met, and the program
    // that has it open would make each reader read all of it.
    const bool unclean =
        access == Access::ReadWrite && QFileInfo::exists(path + QStringLiteral("-wal"));
    connect(!canWrite);
    if (unclean && !healthy()) {
        disconnect();
        if (!canWrite || !moveAside()) {
            cannotRead(QCoreApplication::translate("learning", "%1 is damaged").arg(native(path)));
            return;
        }
        connect(false);
    }
    if (canWrite) {
        // An answer is on disk before the next word shows: WAL commits without rewriting the
        // file, and a commit survives a killed program.
        sql::exec(db, QStringLiteral("PRAGMA journal_mode = WAL"));
        sql::exec(db, QStringLiteral("PRAGMA synchronous = FULL"));
    } else if (access == Access::ReadWrite) {
        stopSaving(
            QCoreApplication::translate("learning", "%1 cannot be written").arg(native(path)));
    } else {
        currentStatus = Status::NotSaving;
    }
    const int version = canWrite ? schema::migrate(db) : schema::viewAsLatest(db);
    if (version != schema::latestVersion()) {
        if (version > schema::latestVersion())
            cannotRead(QCoreApplication::translate("learning",
                                                   "%1 was written by a newer version of Vocabrix")
                           .arg(native(path)));
        else // not brought up to date, as it cannot be written
            cannotRead(QCoreApplication::translate("learning", "%1 is not a progress file")
                           .arg(native(path)));
        return;
    }
    if (canWrite)
        schema::ensureCache(db);
    else if (!schema::hasCache(db))
        schema::ensureCache(db, true);
    statements = std::make_unique<Statements>(db);
    useStoredParameters();
    ensureFreshCache();
}

void ProgressStore::connect(bool readOnly)
{
    db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    db.setDatabaseName(path);
    db.setConnectOptions(readOnly
                             ? QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000;QSQLITE_OPEN_READONLY")
                             : QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open())
        throw sql::Failure(db.lastError());
}

// The learner's wish counts for the administrator too, who could write anyway: a file or
// folder of ours without write permission stays as it is.
bool ProgressStore::writable() const
{
    if (access == Access::ReadOnly)
        return false;
    const auto ours = [](const QFileInfo &info) {
        return info.isWritable() &&
               (info.ownerId() != geteuid() || info.permissions().testFlag(QFile::WriteOwner));
    };
    const QFileInfo file(path);
    return ours(QFileInfo(file.absolutePath())) && (!file.exists() || ours(file));
}

bool ProgressStore::healthy()
{
    try {
        return sql::value(db, QStringLiteral("PRAGMA quick_check")).toString() ==
               QLatin1String("ok");
    } catch (const sql::Failure &failure) {
        if (failure.damaged())
            return false;
        throw;
    }
}

// Keeps a damaged file for whoever may rescue it, and makes room for a new one.
bool ProgressStore::moveAside()
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString target = path + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = path + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(n);
    if (!QFile::rename(path, target))
        return false;
    // The journal belongs to the damaged file; a new file must not pick it up.
    const QString wal = path + QStringLiteral("-wal");
    if (QFileInfo::exists(wal) && !QFile::rename(wal, target + QStringLiteral("-wal")))
        QFile::remove(wal);
    QFile::remove(path + QStringLiteral("-shm"));
    movedAside = target;
    currentStatus = Status::StartedAfresh;
    notice = QCoreApplication::translate(
                 "learning",
                 "The progress file was damaged. It was kept as %1 and a new one was started.")
                 .arg(native(target));
    return true;
}

void ProgressStore::stopSaving(const QString &why)
{
    if (currentStatus == Status::NotSaving)
        return;
    currentStatus = Status::NotSaving;
    notice = QCoreApplication::translate("learning", "Progress is not being saved: %1.").arg(why);
}

// The file cannot be opened or read at all.
void ProgressStore::cannotRead(const QString &why)
{
    if (problem.isEmpty())
        problem = why;
    stopSaving(why);
}

void ProgressStore::failed(const sql::Failure &failure)
{
    if (failure.busy())
        notice = QCoreApplication::translate(
            "learning", "Progress is in use by another Vocabrix; an answer was not saved.");
    else
        stopSaving(failure.text());
}

void ProgressStore::requireSaving() const
{
    if (currentStatus == Status::NotSaving || !statements)
        throw platform::Error(platform::Error::io,
                              notice.isEmpty() ? QCoreApplication::translate(
                                                     "learning", "Progress is not being saved.")
                                               : notice);
}

} // namespace learning
