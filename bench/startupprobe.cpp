// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the program as its own main() does and quits at the main window's first paint,
// printing the wall-clock time of that paint in nanoseconds since the epoch. With
// "--bare" it starts a bare Qt window (a QMainWindow with one QLabel) the same way, for
// comparison. Used by tools/startup-bench.

#include "platform/widgets/desktopservices.h"
#include "widgets/main/formmain.h"
#include "widgets/main/guardedapplication.h"

#include <QLabel>
#include <QMainWindow>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

class firstpaint : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !seen) {
            seen = true;
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            std::printf("%lld\n",
                        static_cast<long long>(
                            std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
            std::fflush(stdout);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }
    bool seen = false;
};

} // namespace

int main(int argc, char *argv[])
{
    const bool bare = argc > 1 && std::strcmp(argv[1], "--bare") == 0;
    firstpaint watch;
    if (bare) {
        QApplication application(argc, argv);
        QMainWindow window;
        window.setCentralWidget(new QLabel(QStringLiteral("Hello")));
        window.installEventFilter(&watch);
        window.show();
        return application.exec();
    }
    GuardedApplication application(argc, argv);
    platform::DesktopServices desktop;
    application.setDialogs(desktop.services().dialogs);
    FormMain window(desktop.services());
    window.installEventFilter(&watch);
    window.start();
    return application.exec();
}
