// SPDX-License-Identifier: GPL-3.0-or-later
#include "programfolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace platform {

namespace {

// Copies the files of one shipped folder that the user's folder does not have yet.
void seed(const QString &from, const QString &to)
{
    QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(source));
        if (QFileInfo::exists(target))
            continue;
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (QFile::copy(source, target))
            QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
    }
}

} // namespace

QString chooseProgramFolder(const QString &executableFolder, const QString &userFolder)
{
    const QDir executable(executableFolder);
    if (executable.exists(QStringLiteral("XML")) && QFileInfo(executableFolder).isWritable())
        return executableFolder;
    return userFolder;
}

QString findProgramFolder(const QString &executableFolder, const QString &userFolder,
                          const QString &shippedFolder)
{
    if (chooseProgramFolder(executableFolder, userFolder) == executableFolder)
        return executableFolder;
    QDir().mkpath(userFolder);
    for (const char *folder : {"XML", "settings", "help"})
        seed(QDir(shippedFolder).filePath(QLatin1String(folder)),
             QDir(userFolder).filePath(QLatin1String(folder)));
    QDir(userFolder).mkpath(QStringLiteral("Logs"));
    return userFolder;
}

} // namespace platform
