// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpfile.h"

#include "platform/paths.h"
#include "platform/services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>

namespace widgets {

namespace help {

QString Command::commandLine() const
{
    return (QStringList{program} + arguments).join(QLatin1Char(' '));
}

Command viewerCommand(const QString &programFolder)
{
    QString folder = programFolder;
    folder.replace(QLatin1Char('/'), QLatin1Char('\\'));
    while (folder.endsWith(QLatin1Char('\\')))
        folder.chop(1);
    return {QStringLiteral("hh.exe"), {folder + QStringLiteral("\\Vocabrix.chm")}};
}

Host currentHost()
{
#ifdef Q_OS_WIN
    return {true, !QStandardPaths::findExecutable(QStringLiteral("hh.exe")).isEmpty()};
#else
    return {false, false};
#endif
}

QString contentsPage(const platform::Services &services)
{
    return services.programPath(QStringLiteral("\\help\\index.html"));
}

QString pageFor(const QString &windowName)
{
    static const QHash<QString, QString> pages{
        {QStringLiteral("FormMain"), QStringLiteral("main.html")},
        {QStringLiteral("FormStudy"), QStringLiteral("study.html#study")},
        {QStringLiteral("FormPractice"), QStringLiteral("study.html#practice")},
        {QStringLiteral("FormProgress"), QStringLiteral("study.html#progress")},
        {QStringLiteral("FormImport"), QStringLiteral("study.html#import")},
        {QStringLiteral("FormFlash"), QStringLiteral("flashcards.html")},
        {QStringLiteral("FormMemory"), QStringLiteral("memory.html")},
        {QStringLiteral("FormList"), QStringLiteral("listmode.html")},
        {QStringLiteral("FormResults"), QStringLiteral("results.html")},
        {QStringLiteral("FormOptions"), QStringLiteral("options.html")},
        {QStringLiteral("FormSelect"), QStringLiteral("dictionaries.html#open")},
        {QStringLiteral("FormEdit"), QStringLiteral("dictionaries.html#edit")},
    };
    return pages.value(windowName);
}

std::optional<Pages> openHelp(platform::Services &services, const QString &page, const Host &system)
{
    const bool compiled = QFileInfo::exists(services.programPath(QStringLiteral("\\Vocabrix.chm")));
    // The launcher passes the path as one argument, so a folder with blanks still opens.
    if (system.windows && system.viewerFound && compiled &&
        services.launcher->start(QStringLiteral("hh.exe"),
                                 viewerCommand(services.appInfo->programFolder()).arguments))
        return std::nullopt;
    const QString contents = contentsPage(services);
    if (!QFileInfo::exists(contents)) {
        services.dialogs->message(
            QCoreApplication::translate(
                "widgets", "The help cannot be shown: the file %1 is missing. Copy the help "
                           "folder back into the program folder or install Vocabrix again.")
                .arg(QDir::toNativeSeparators(contents)),
            platform::Icon::critical, platform::Buttons::ok);
        return std::nullopt;
    }
    const QString file = page.section(QLatin1Char('#'), 0, 0);
    const bool there =
        !page.isEmpty() && QFileInfo::exists(QFileInfo(contents).dir().filePath(file));
    return Pages{contents, there ? page : QString()};
}

} // namespace help

} // namespace widgets
