// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/widgets/desktopservices.h"
#include "platform/widgets/fontconfiguration.h"
#include "widgets/main/firstpaint.h"
#include "widgets/main/formmain.h"
#include "widgets/main/guardedapplication.h"

int main(int argc, char *argv[])
{
    const platform::FontConfigurationReader fonts;
    GuardedApplication application(argc, argv);
    platform::DesktopServices desktop;
    application.setDialogs(desktop.services().dialogs);
    FormMain window(desktop.services());
    watchFirstPaint(window);
    window.start();
    const int status = application.exec();
    application.setDialogs(nullptr);
    return status;
}
