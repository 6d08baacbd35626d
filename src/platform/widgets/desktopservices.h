// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The whole set of platform services of the desktop program, owned here for the run.

#include "platform/services.h"

#include <memory>

class QPrinter;
class QWidget;

namespace platform {

class DesktopServices
{
public:
    DesktopServices();
    ~DesktopServices();
    DesktopServices(const DesktopServices &) = delete;
    DesktopServices &operator=(const DesktopServices &) = delete;

    Services &services() { return set; }

private:
    std::unique_ptr<launcher> launcherService;
    std::unique_ptr<http> httpService;
    std::unique_ptr<clock> clockService;
    std::unique_ptr<random> randomService;
    std::unique_ptr<AppInfo> appInfoService;
    std::unique_ptr<files> filesService;
    std::unique_ptr<dialogs> dialogsService;
    std::unique_ptr<printer> printerService;
    std::unique_ptr<speaker> speakerService;
    std::unique_ptr<phonetics> phoneticsService;
    Services set;
};

// Paints the window's on-screen image, scaled to the page, onto a printer.
bool paintWindowImage(QWidget *window, QPrinter &device);

// Printing on the default printer through Qt Print Support.
std::unique_ptr<printer> makeQtPrinter();

} // namespace platform
