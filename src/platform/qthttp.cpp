// SPDX-License-Identifier: GPL-3.0-or-later
// HTTP on Qt Network. Built into the module the program loads the first time it fetches
// something (deferredhttp), so that the start does not pay for Qt Network and what it brings.

#include "qtservices.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QThread>
#include <QTimer>
#include <memory>

namespace platform {

namespace {

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

} // namespace

std::unique_ptr<http> makeQtHttp()
{
    return std::make_unique<qthttp>();
}

} // namespace platform

// The entry point of the module.
extern "C" Q_DECL_EXPORT platform::http *vocabrixMakeHttp()
{
    return platform::makeQtHttp().release();
}
