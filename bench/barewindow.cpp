// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of tools/startup-bench: a bare Qt window that prints when it first paints, then ends.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <chrono>
#include <cstdio>

class Window : public QMainWindow
{
    void paintEvent(QPaintEvent *) override
    {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::printf("%lld\n", static_cast<long long>(std::chrono::nanoseconds(now).count()));
        std::fflush(stdout);
        QMetaObject::invokeMethod(qApp, &QApplication::quit, Qt::QueuedConnection);
    }
};

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    Window window;
    window.setCentralWidget(new QLabel(QStringLiteral("Hello")));
    window.show();
    return application.exec();
}
