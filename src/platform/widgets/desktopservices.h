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
    std::unique_ptr<Launcher> launcherService;
    std::unique_ptr<Http> httpService;
    std::unique_ptr<Clock> clockService;
    std::unique_ptr<Random> randomService;
    std::unique_ptr<AppInfo> appInfoService;
    std::unique_ptr<Files> filesService;
    std::unique_ptr<Dialogs> dialogsService;
    std::unique_ptr<Printer> printerService;
    std::unique_ptr<Speaker> speakerService;
    std::unique_ptr<Phonetics> phoneticsService;
    Services set;
};

// Paints the window's on-screen image, scaled to the page, onto a printer.
bool paintWindowImage(QWidget *window, QPrinter &device);

// Printing on the default printer through Qt Print Support.
std::unique_ptr<Printer> makeQtPrinter();

} // namespace platform
