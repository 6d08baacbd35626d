// SPDX-License-Identifier: GPL-3.0-or-later
// The implementations of the platform interfaces that need no window: processes, the clock, random
// numbers and the program folder.

#include "qtservices.h"

#include "programfolder.h"
#include "textfile.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <chrono>
#include <memory>
#include <random>

namespace platform {

namespace {

class QtLauncher : public Launcher
{
public:
    bool start(const QString &program, const QStringList &arguments) override
    {
        return QProcess::startDetached(program, arguments);
    }

    bool openUrl(const QUrl &address) override { return QDesktopServices::openUrl(address); }
};

class QtClock : public Clock
{
public:
    QDateTime now() override { return QDateTime::currentDateTime(); }
};

class QtRandom : public Random
{
public:
    QtRandom() { randomize(); }

    void randomize() override
    {
        const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
        generator.seed(static_cast<std::mt19937::result_type>(ticks ^ (ticks >> 32)));
    }

    float rnd() override
    {
        // 24 random bits make every float in [0, 1) with that spacing equally likely, and
        // never 1.
        return float(generator() >> 8) * (1.0f / 16777216.0f);
    }

private:
    std::mt19937 generator;
};

class QtAppInfo : public AppInfo
{
public:
    QString programFolder() override
    {
        if (folder.isEmpty())
            folder = locate();
        return folder;
    }

    QString title() override { return QStringLiteral("Vocabrix"); }

    platform::Version version() override
    {
        return {VOCABRIX_VERSION_MAJOR, VOCABRIX_VERSION_MINOR, VOCABRIX_VERSION_PATCH};
    }

private:
    static QString locate()
    {
        const QString executableFolder = QCoreApplication::applicationDirPath();
        return platform::findProgramFolder(
            executableFolder, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
            QDir(executableFolder).filePath(QStringLiteral("../share/vocabrix")));
    }

    QString folder;
};

class QtFiles : public Files
{
public:
    void write(const QString &path, const QByteArray &bytes) override { writeBytes(path, bytes); }
};

} // namespace

void nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("vocabrix"));
    QCoreApplication::setOrganizationName(QStringLiteral("vocabrix"));
}

QString existingProgramFolder()
{
    return platform::chooseProgramFolder(
        QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

std::unique_ptr<Files> makeQtFiles()
{
    return std::make_unique<QtFiles>();
}

std::unique_ptr<Launcher> makeQtLauncher()
{
    return std::make_unique<QtLauncher>();
}

std::unique_ptr<Clock> makeQtClock()
{
    return std::make_unique<QtClock>();
}

std::unique_ptr<Random> makeQtRandom()
{
    return std::make_unique<QtRandom>();
}

std::unique_ptr<AppInfo> makeQtAppInfo()
{
    return std::make_unique<QtAppInfo>();
}

} // namespace platform
