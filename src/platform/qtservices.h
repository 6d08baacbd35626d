// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Qt implementations of the interfaces that need no window.

#include "services.h"

#include <memory>

namespace platform {

std::unique_ptr<launcher> makeQtLauncher();
std::unique_ptr<http> makeQtHttp();
std::unique_ptr<clock> makeQtClock();
std::unique_ptr<random> makeQtRandom();
std::unique_ptr<AppInfo> makeQtAppInfo();
std::unique_ptr<files> makeQtFiles();

} // namespace platform
