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

int twips(int twipValue)
{
    return int(std::lround(twipValue * logicaldpi() / 1440.0));
}

int toTwips(int pixels)
{
    return int(std::lround(pixels * 1440.0 / logicaldpi()));
}

} // namespace platform
