// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A real HTTP server on the loopback interface, answering on a thread of its own (the program
// waits for its requests synchronously). Each path has a scripted raw response; a response
// marked to hang is sent and then the connection stays open, sending nothing more; one given a
// pause sends its headers and then its body a byte at a time with a pause between, until the
// client gives up. A server made with tls::on speaks HTTPS with a self-signed certificate for
// 127.0.0.1 (trustLoopBack() makes this process trust it).

#include <QByteArray>
#include <QUrl>
#include <atomic>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

class QTcpSocket;

namespace testsupport {

class HttpServer
{
public:
    enum class tls { off, on };
    explicit HttpServer(tls mode = tls::off);
    ~HttpServer();

    void respond(const QByteArray &path, const QByteArray &response, bool hang = false,
                 int pauseMs = 0);
    QUrl url(const QByteArray &path) const;
    std::vector<QByteArray> requests() const;

    // A complete response with a status line, the body's length and the body.
    static QByteArray reply(int status, const QByteArray &body,
                            const QByteArray &headers = QByteArray());
    // Adds the loopback certificate to the authorities every later connection trusts.
    static void trustLoopBack();

private:
    void serve();
    void sendSlowly(QTcpSocket &socket, const QByteArray &response, int pauseMs);

    struct script
    {
        QByteArray response;
        bool hang = false;
        int pauseMs = 0;
    };
    std::map<QByteArray, script> scripts;
    std::vector<QByteArray> received;
    mutable std::mutex lock;
    const tls mode;
    std::atomic<bool> stopping{false};
    std::atomic<quint16> port{0};
    std::thread worker;
};

} // namespace testsupport
