// SPDX-License-Identifier: GPL-3.0-or-later
#include "httpserver.h"

#include <QFile>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslSocket>
#include <QTcpServer>
#include <memory>

namespace testsupport {

namespace {

QByteArray supportFile(const char *name)
{
    QFile file(QStringLiteral(VOCABRIX_TEST_SUPPORT_DIR "/") + QLatin1String(name));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// Wraps every accepted connection in TLS before the server reads the request.
class TlsServer : public QTcpServer
{
protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto *socket = new QSslSocket(this);
        socket->setSocketDescriptor(descriptor);
        socket->setLocalCertificate(QSslCertificate(supportFile("loopbackcert.pem")));
        socket->setPrivateKey(QSslKey(supportFile("loopbackkey.pem"), QSsl::Ec));
        socket->startServerEncryption();
        addPendingConnection(socket);
    }
};

} // namespace

HttpServer::HttpServer(tls mode) : mode(mode)
{
    worker = std::thread([this] { serve(); });
    while (port == 0)
        std::this_thread::yield();
}

HttpServer::~HttpServer()
{
    stopping = true;
    worker.join();
}

void HttpServer::respond(const QByteArray &path, const QByteArray &response, bool hang, int pauseMs)
{
    std::lock_guard guard(lock);
    scripts[path] = {response, hang, pauseMs};
}

void HttpServer::sendSlowly(QTcpSocket &socket, const QByteArray &response, int pauseMs)
{
    // The status line and headers at once, so that only the body is slow.
    const qsizetype head = response.indexOf("\r\n\r\n") + 4;
    socket.write(response.left(head));
    for (const char byte : response.mid(head)) {
        if (stopping || socket.state() != QAbstractSocket::ConnectedState)
            return;
        socket.write(&byte, 1);
        socket.waitForBytesWritten(pauseMs);
        // Doubles as the pause; it also notices the client closing the connection.
        socket.waitForReadyRead(pauseMs);
    }
}

QUrl HttpServer::url(const QByteArray &path) const
{
    return QUrl(QStringLiteral("%1://127.0.0.1:%2%3")
                    .arg(mode == tls::on ? "https" : "http", QString::number(port), path));
}

void HttpServer::trustLoopBack()
{
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.addCaCertificate(QSslCertificate(supportFile("loopbackcert.pem")));
    QSslConfiguration::setDefaultConfiguration(configuration);
}

std::vector<QByteArray> HttpServer::requests() const
{
    std::lock_guard guard(lock);
    return received;
}

QByteArray HttpServer::reply(int status, const QByteArray &body, const QByteArray &headers)
{
    return "HTTP/1.1 " + QByteArray::number(status) +
           " Status\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\n" + headers + "\r\n" + body;
}

void HttpServer::serve()
{
    std::unique_ptr<QTcpServer> listener(mode == tls::on ? new TlsServer : new QTcpServer);
    QTcpServer &server = *listener;
    server.listen(QHostAddress::LocalHost);
    port = server.serverPort();
    std::vector<std::unique_ptr<QTcpSocket>> hanging;
    while (!stopping) {
        // Connections that arrived together wait in the queue; waiting would not see them.
        if (!server.hasPendingConnections() && !server.waitForNewConnection(50))
            continue;
        std::unique_ptr<QTcpSocket> socket(server.nextPendingConnection());
        QByteArray request;
        while (!request.contains("\r\n\r\n") && socket->waitForReadyRead(2000))
            request += socket->readAll();
        const QByteArray path = request.split(' ').value(1);
        script answer{reply(404, "not here"), false, 0};
        {
            std::lock_guard guard(lock);
            received.push_back(request);
            if (const auto found = scripts.find(path); found != scripts.end())
                answer = found->second;
        }
        if (answer.pauseMs > 0)
            sendSlowly(*socket, answer.response, answer.pauseMs);
        else
            socket->write(answer.response);
        // A large response takes many writes; stop when the client stops taking it.
        while (socket->bytesToWrite() > 0 && socket->waitForBytesWritten(2000))
            ;
        if (answer.hang) {
            hanging.push_back(std::move(socket));
            continue;
        }
        socket->disconnectFromHost();
        if (socket->state() != QAbstractSocket::UnconnectedState)
            socket->waitForDisconnected(2000);
    }
}

} // namespace testsupport
