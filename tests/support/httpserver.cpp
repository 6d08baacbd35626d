#include "httpserver.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <memory>

namespace testsupport {

httpserver::httpserver()
{
    worker = std::thread([this] { serve(); });
    while (port == 0)
        std::this_thread::yield();
}

httpserver::~httpserver()
{
    stopping = true;
    worker.join();
}

void httpserver::respond(const QByteArray &path, const QByteArray &response, bool hang)
{
    std::lock_guard guard(lock);
    scripts[path] = {response, hang, 0};
}

void httpserver::trickle(const QByteArray &path, const QByteArray &response, int pausems)
{
    std::lock_guard guard(lock);
    scripts[path] = {response, false, pausems};
}

void httpserver::sendslowly(QTcpSocket &socket, const QByteArray &response, int pausems)
{
    for (const char byte : response) {
        if (stopping || socket.state() != QAbstractSocket::ConnectedState)
            return;
        socket.write(&byte, 1);
        socket.waitForBytesWritten(pausems);
        // Doubles as the pause; it also notices the client closing the connection.
        socket.waitForReadyRead(pausems);
    }
}

QUrl httpserver::url(const QByteArray &path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(QLatin1String(path)));
}

std::vector<QByteArray> httpserver::requests() const
{
    std::lock_guard guard(lock);
    return received;
}

QByteArray httpserver::reply(int status, const QByteArray &body, const QByteArray &headers)
{
    return "HTTP/1.1 " + QByteArray::number(status) +
           " Status\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\n" + headers + "\r\n" + body;
}

void httpserver::serve()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    port = server.serverPort();
    std::vector<std::unique_ptr<QTcpSocket>> hanging;
    while (!stopping) {
        if (!server.waitForNewConnection(50))
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
        if (answer.pausems > 0)
            sendslowly(*socket, answer.response, answer.pausems);
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
