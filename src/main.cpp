// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/programmodel.h"
#include "platform/widgets/desktopservices.h"
#include "platform/widgets/fontconfiguration.h"
#include "widgets/main/firstpaint.h"
#include "widgets/main/formmain.h"
#include "widgets/main/guardedapplication.h"

#include <optional>

using namespace widgets;

int main(int argc, char *argv[])
{
    auto fonts = std::make_optional<platform::FontConfigurationReader>();
    GuardedApplication application(argc, argv);
    // Done before the window is made, which may fork a helper process (see FormMain).
    fonts.reset();
    platform::DesktopServices desktop;
    application.setDialogs(desktop.services().dialogs);
    learning::ProgramModel model(desktop.services());
    FormMain window(model, desktop.services());
    watchFirstPaint(window);
    window.start();
    const int status = application.exec();
    application.setDialogs(nullptr);
    return status;
}
