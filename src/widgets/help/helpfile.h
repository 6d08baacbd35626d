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
    QString commandline() const;
};

// hh.exe with the program folder's Vocabrix.chm, written with Windows separators.
command viewercommand(const QString &programfolder);

// What the system offers: the HTML Help viewer exists only on Windows.
struct host
{
    bool windows = false;
    bool viewerfound = false;
};
host currenthost();

// The contents page of the help pages, in the help folder below the program folder.
QString contentspage(const platform::Services &services);
// Opens the help at its contents: the compiled help where the system has a viewer for it,
// otherwise the contents page through open. Tells the user when there is no help to show.
void showcontents(platform::Services &services, const std::function<void(const QString &)> &open,
                  const host &system = currenthost());

} // namespace help
