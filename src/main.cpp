// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/memoryreport.h"
#include "learning/programmodel.h"
#include "platform/qtservices.h"
#include "platform/widgets/desktopservices.h"
#include "platform/widgets/fontconfiguration.h"
#include "widgets/main/firstpaint.h"
#include "widgets/main/formmain.h"
#include "widgets/main/guardedapplication.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstring>
#include <optional>

using namespace widgets;

namespace {

// `vocabrix --memory-report [--fit]`: JSON on the standard output, and no window.
int reportMemory(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    platform::nameApplication();
    QTextStream out(stdout), errors(stderr);
    return learning::writeMemoryReport(application.arguments().mid(1),
                                       platform::existingProgramFolder(), out, errors);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--memory-report") == 0)
        return reportMemory(argc, argv);
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
