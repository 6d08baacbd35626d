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

QString findprogramfolder(const QString &executablefolder, const QString &userfolder,
                          const QString &shippedfolder)
{
    const QDir executable(executablefolder);
    if (executable.exists(QStringLiteral("XML")) && QFileInfo(executablefolder).isWritable())
        return executablefolder;
    QDir().mkpath(userfolder);
    for (const char *folder : {"XML", "settings", "help"})
        seed(QDir(shippedfolder).filePath(QLatin1String(folder)),
             QDir(userfolder).filePath(QLatin1String(folder)));
    QDir(userfolder).mkpath(QStringLiteral("Logs"));
    return userfolder;
}

} // namespace platform
