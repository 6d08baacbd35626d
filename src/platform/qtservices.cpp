// SPDX-License-Identifier: GPL-3.0-or-later
// The implementations of the platform interfaces that need no window: processes, the network,
// the clock, random numbers and the program folder.

#include "qtservices.h"

#include "programfolder.h"
#include "textfile.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <chrono>
#include <memory>
#include <random>

namespace platform {

namespace {

class qtlauncher : public launcher
{
public:
    bool start(const QString &program, const QStringList &arguments) override
    {
        return QProcess::startDetached(program, arguments);
    }

    bool openurl(const QUrl &address) override { return QDesktopServices::openUrl(address); }
};

class qthttp : public http
{
public:
    httpresponse get(const QUrl &address, int timeoutms, qint64 maxbytes) override
    {
        // The request runs on a thread of its own while this one waits, so that no click or
        // timer of the program is handled in between.
        httpresponse response;
        std::unique_ptr<QThread> worker(
            QThread::create([&] { response = fetch(address, timeoutms, maxbytes); }));
        worker->start();
        worker->wait();
        return response;
    }

private:
    static httpresponse fetch(const QUrl &address, int timeoutms, qint64 maxbytes)
    {
        QNetworkAccessManager manager;
        QNetworkRequest request(address);
        request.setTransferTimeout(timeoutms);
        request.setMaximumRedirectsAllowed(5);
        // An HTTPS address is never followed to plain HTTP; certificate errors are never
        // ignored, so they end the request with an error.
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                             QNetworkRequest::NoLessSafeRedirectPolicy);
        QNetworkReply *reply = manager.get(request);
        bool toolarge = false;
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        QObject::connect(
            reply, &QNetworkReply::downloadProgress, reply, [&](qint64 received, qint64 total) {
                // A compressed body is counted as it arrives; what it unpacks to is what takes
                // the memory.
                if (received > maxbytes || total > maxbytes || reply->bytesAvailable() > maxbytes) {
                    toolarge = true;
                    reply->abort();
                }
            });
        // The transfer time-out covers a stalled transfer; this covers a slow one.
        QTimer::singleShot(timeoutms, reply, &QNetworkReply::abort);
        if (!reply->isFinished())
            loop.exec();
        httpresponse response;
        response.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        // An aborted reply is closed: it has no body to give.
        response.body = toolarge || !reply->isOpen() ? QByteArray() : reply->readAll();
        if (toolarge)
            response.error = QStringLiteral("The response is larger than %1 bytes.").arg(maxbytes);
        else if (reply->error() != QNetworkReply::NoError)
            response.error = reply->errorString();
        delete reply;
        return response;
    }
};

class qtclock : public clock
{
public:
    QDateTime now() override { return QDateTime::currentDateTime(); }
};

class qtrandom : public random
{
public:
    qtrandom() { randomize(); }

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

class qtappinfo : public appinfo
{
public:
    QString programfolder() override
    {
        if (folder.isEmpty())
            folder = locate();
        return folder;
    }

    QString title() override { return QStringLiteral("Vocabrix"); }

    platform::version version() override
    {
        return {VOCABRIX_VERSION_MAJOR, VOCABRIX_VERSION_MINOR, VOCABRIX_VERSION_PATCH};
    }

private:
    static QString locate()
    {
        const QString executablefolder = QCoreApplication::applicationDirPath();
        return platform::findprogramfolder(
            executablefolder, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
            QDir(executablefolder).filePath(QStringLiteral("../share/vocabrix")));
    }

    QString folder;
};

class qtfiles : public files
{
public:
    void write(const QString &path, const QByteArray &bytes) override { writebytes(path, bytes); }
};

} // namespace

std::unique_ptr<files> makeQtFiles()
{
    return std::make_unique<qtfiles>();
}

std::unique_ptr<launcher> makeQtLauncher()
{
    return std::make_unique<qtlauncher>();
}

std::unique_ptr<http> makeQtHttp()
{
    return std::make_unique<qthttp>();
}

std::unique_ptr<clock> makeQtClock()
{
    return std::make_unique<qtclock>();
}

std::unique_ptr<random> makeQtRandom()
{
    return std::make_unique<qtrandom>();
}

std::unique_ptr<appinfo> makeQtAppInfo()
{
    return std::make_unique<qtappinfo>();
}

} // namespace platform
