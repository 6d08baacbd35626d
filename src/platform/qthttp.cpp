// SPDX-License-Identifier: GPL-3.0-or-later
// HTTP on Qt Network. Built into the module the program loads the first time it fetches
// something (DeferredHttp), so that the start does not pay for Qt Network and what it brings.

#include "qtservices.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QThread>
#include <QTimer>
#include <memory>

namespace platform {

namespace {

class QtHttp : public Http
{
public:
    HttpResponse get(const QUrl &address, int timeoutMs, qint64 maxBytes) override
    {
        // The request runs on a thread of its own while this one waits, so that no click or
        // timer of the program is handled in between.
        HttpResponse response;
        std::unique_ptr<QThread> worker(
            QThread::create([&] { response = fetch(address, timeoutMs, maxBytes); }));
        worker->start();
        worker->wait();
        return response;
    }

private:
    static HttpResponse fetch(const QUrl &address, int timeoutMs, qint64 maxBytes)
    {
        QNetworkAccessManager manager;
        QNetworkRequest request(address);
        request.setTransferTimeout(timeoutMs);
        request.setMaximumRedirectsAllowed(5);
        // An HTTPS address is never followed to plain HTTP; certificate errors are never
        // ignored, so they end the request with an error.
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                             QNetworkRequest::NoLessSafeRedirectPolicy);
        QNetworkReply *reply = manager.get(request);
        bool tooLarge = false;
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        QObject::connect(
            reply, &QNetworkReply::downloadProgress, reply, [&](qint64 received, qint64 total) {
                // A compressed body is counted as it arrives; what it unpacks to is what takes
                // the memory.
                if (received > maxBytes || total > maxBytes || reply->bytesAvailable() > maxBytes) {
                    tooLarge = true;
                    reply->abort();
                }
            });
        // The transfer time-out covers a stalled transfer; this covers a slow one.
        QTimer::singleShot(timeoutMs, reply, &QNetworkReply::abort);
        if (!reply->isFinished())
            loop.exec();
        HttpResponse response;
        response.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        // An aborted reply is closed: it has no body to give.
        response.body = tooLarge || !reply->isOpen() ? QByteArray() : reply->readAll();
        if (tooLarge)
            response.error =
                QCoreApplication::translate("platform", "The response is larger than %1 bytes.")
                    .arg(maxBytes);
        else if (reply->error() != QNetworkReply::NoError)
            response.error = reply->errorString();
        delete reply;
        return response;
    }
};

} // namespace

std::unique_ptr<Http> makeQtHttp()
{
    return std::make_unique<QtHttp>();
}

} // namespace platform

// The entry point of the module.
extern "C" Q_DECL_EXPORT platform::Http *vocabrixMakeHttp()
{
    return platform::makeQtHttp().release();
}
