// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Opening the help: the system's HTML Help viewer with the compiled help file on Windows,
// otherwise the program's own help window on the HTML pages in the help folder.

#include <QString>
#include <QStringList>
#include <optional>

namespace platform {
struct Services;
}

namespace widgets {

namespace help {

struct Command
{
    QString program;
    QStringList arguments;
    // The program, a blank and the arguments as they stand, unquoted.
    QString commandLine() const;
};

// hh.exe with the program folder's Vocabrix.chm, written with Windows separators.
Command viewerCommand(const QString &programFolder);

// What the system offers: the HTML Help viewer exists only on Windows.
struct Host
{
    bool windows = false;
    bool viewerFound = false;
};
Host currentHost();

// The contents page of the help pages, in the help folder below the program folder.
QString contentsPage(const platform::Services &services);

// The help page that tells about a window, by the window's object name ("flashcards.html",
// "study.html#progress"); empty for a window the contents page tells about.
QString pageFor(const QString &windowName);

// What the program's help window shows: the contents page (a file) and the page to show first
// (relative to the contents page; empty for the contents page itself).
struct Pages
{
    QString contentsFile;
    QString page;
};

// Opens the help at a page of the help pages (as pageFor names them; empty: the contents): the
// compiled help, at its contents, where the system has a viewer for it; otherwise the pages the
// help window is to show, the contents when that page is missing. Nothing when there is no help
// to show, which the user is told.
std::optional<Pages> openHelp(platform::Services &services, const QString &page = {},
                              const Host &system = currentHost());

} // namespace help

} // namespace widgets
