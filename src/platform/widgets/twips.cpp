// SPDX-License-Identifier: GPL-3.0-or-later
#include "twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace platform {

namespace {
double logicaldpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}
} // namespace

int twips(int twipvalue)
{
    return int(std::lround(twipvalue * logicaldpi() / 1440.0));
}

int totwips(int pixels)
{
    return int(std::lround(pixels * 1440.0 / logicaldpi()));
}

} // namespace platform
