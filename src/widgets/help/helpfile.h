// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Opening the help: the system's HTML Help viewer with the compiled help file on Windows,
// otherwise the program's own help window on the HTML pages in the help folder.

#include <QString>
#include <QStringList>
#include <functional>

namespace platform {
struct Services;
}

namespace help {

struct command
{
    QString program;
    QStringList arguments;
    // The program, a blank and the arguments as they stand, unquoted.
    QString commandLine() const;
};

// hh.exe with the program folder's Vocabrix.chm, written with Windows separators.
command viewerCommand(const QString &programFolder);

// What the system offers: the HTML Help viewer exists only on Windows.
struct host
{
    bool windows = false;
    bool viewerFound = false;
};
host currentHost();

// The contents page of the help pages, in the help folder below the program folder.
QString contentsPage(const platform::Services &services);

// The help page that tells about a window, by the window's object name ("flashcards.html",
// "study.html#progress"); empty for a window the contents page tells about.
QString pageFor(const QString &windowName);

// How the help pages are shown: the contents page (a file) and the page to show first (relative
// to the contents page; empty for the contents page itself).
using opener = std::function<void(const QString &contentsFile, const QString &page)>;

// Opens the help at its contents: the compiled help where the system has a viewer for it,
// otherwise the contents page through open. Tells the user when there is no help to show.
void showContents(platform::Services &services, const opener &open,
                  const host &system = currentHost());
// The same at a page of the help pages (as pageFor names them); the compiled help opens at its
// contents, and so do the pages when that page is missing.
void showPage(platform::Services &services, const QString &page, const opener &open,
              const host &system = currentHost());

} // namespace help
