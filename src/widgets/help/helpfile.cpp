// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpfile.h"

#include "platform/paths.h"
#include "platform/services.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace help {

QString command::commandline() const
{
    return (QStringList{program} + arguments).join(QLatin1Char(' '));
}

command viewercommand(const QString &programfolder)
{
    QString folder = programfolder;
    folder.replace(QLatin1Char('/'), QLatin1Char('\\'));
    while (folder.endsWith(QLatin1Char('\\')))
        folder.chop(1);
    return {QStringLiteral("hh.exe"), {folder + QStringLiteral("\\Vocabrix.chm")}};
}

host currenthost()
{
#ifdef Q_OS_WIN
    return {true, !QStandardPaths::findExecutable(QStringLiteral("hh.exe")).isEmpty()};
#else
    return {false, false};
#endif
}

QString contentspage(const platform::Services &services)
{
    return services.programPath(QStringLiteral("\\help\\index.html"));
}

void showcontents(platform::Services &services, const std::function<void(const QString &)> &open,
                  const host &system)
{
    const bool compiled = QFileInfo::exists(services.programPath(QStringLiteral("\\Vocabrix.chm")));
    // The launcher passes the path as one argument, so a folder with blanks still opens.
    if (system.windows && system.viewerfound && compiled &&
        services.launcher->start(QStringLiteral("hh.exe"),
                                 viewercommand(services.appinfo->programfolder()).arguments))
        return;
    const QString page = contentspage(services);
    if (!QFileInfo::exists(page)) {
        services.dialogs->message(
            QStringLiteral("The help cannot be shown: the file %1 is missing. Copy the help "
                           "folder back into the program folder or install Vocabrix again.")
                .arg(QDir::toNativeSeparators(page)),
            platform::icon::critical, platform::buttons::ok);
        return;
    }
    open(page);
}

} // namespace help
