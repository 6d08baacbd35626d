// SPDX-License-Identifier: GPL-3.0-or-later
#include "firstpaint.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace widgets {

namespace {

class FirstPaintWatch : public QObject
{
public:
    FirstPaintWatch(bool checkMaps, QObject *parent) : QObject(parent), checkMaps(checkMaps) {}

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::Paint || seen)
            return false;
        seen = true;
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::printf("%lld\n", static_cast<long long>(std::chrono::nanoseconds(now).count()));
        std::fflush(stdout);
        // Checked once the whole window has painted, its children included.
        QMetaObject::invokeMethod(
            qApp,
            [checkMaps = checkMaps] {
                int status = 0;
                if (checkMaps) {
                    for (const QString &library : deferredLibrariesMapped()) {
                        std::printf("loaded at start: %s\n", qPrintable(library));
                        status = 1;
                    }
                }
                std::fflush(stdout);
                QCoreApplication::exit(status);
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    bool checkMaps;
    bool seen = false;
};

} // namespace

void watchFirstPaint(QWidget &window)
{
    if (!qEnvironmentVariableIsSet("VOCABRIX_FIRST_PAINT"))
        return;
    const bool checkMaps = qEnvironmentVariable("VOCABRIX_FIRST_PAINT") == QLatin1String("maps");
    window.installEventFilter(new FirstPaintWatch(checkMaps, &window));
}

QStringList deferredLibrariesMapped()
{
    // Qt Network, Print Support, TextToSpeech, SVG and libzip (with bz2 and OpenSSL's crypto)
    // are loaded by the modules and actions that need them; an image plug-in would mean a
    // picture was read by guessing its format. Qt SQL is still linked into the program with the
    // learner's memory; libzstd cannot wait, as Qt Core itself needs it.
    static const char *const deferred[] = {
        "libQt6Network", "libQt6PrintSupport", "libQt6TextToSpeech", "libQt6Svg", "libzip",
        "libbz2",        "libcrypto"};
    QStringList found;
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return found;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const QByteArray path = line.mid(line.lastIndexOf(' ') + 1);
        const QByteArray file = path.mid(path.lastIndexOf('/') + 1);
        bool wanted = path.contains("/imageformats/");
        for (const char *name : deferred)
            wanted = wanted || (file.startsWith(name) && file.contains(".so"));
        if (wanted && !found.contains(QString::fromUtf8(path)))
            found << QString::fromUtf8(path);
    }
    return found;
}

} // namespace widgets
