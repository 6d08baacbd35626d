// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Qt implementations of the interfaces that need no window.

#include "services.h"

#include <memory>

namespace platform {

std::unique_ptr<Launcher> makeQtLauncher();
std::unique_ptr<Http> makeQtHttp();
std::unique_ptr<Clock> makeQtClock();
std::unique_ptr<Random> makeQtRandom();
std::unique_ptr<AppInfo> makeQtAppInfo();
std::unique_ptr<Files> makeQtFiles();

// The names the user's folders are found under, given to the application object before
// anything asks for a folder.
void nameApplication();
// The program folder AppInfo::programFolder() gives, without making or filling it: for
// commands that only read.
QString existingProgramFolder();

} // namespace platform
