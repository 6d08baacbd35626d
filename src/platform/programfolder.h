// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace platform {

// Where the program keeps XML/, settings/ and Logs/: the executable's own folder when it holds
// XML/ and can be written (the build tree, a portable copy); otherwise the user's data folder,
// filled on first use from the shipped copy. Files already in the user's folder are never
// replaced, so a later start or an upgrade keeps the user's dictionaries and settings.
QString findProgramFolder(const QString &executableFolder, const QString &userFolder,
                          const QString &shippedFolder);
// The folder findProgramFolder chooses, without making or filling it: for commands that only
// read.
QString chooseProgramFolder(const QString &executableFolder, const QString &userFolder);

} // namespace platform
