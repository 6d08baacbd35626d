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
    scripts[path] = {response, hang};
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
        script answer{reply(404, "not here"), false};
        {
            std::lock_guard guard(lock);
            received.push_back(request);
            if (const auto found = scripts.find(path); found != scripts.end())
                answer = found->second;
        }
        socket->write(answer.response);
        socket->waitForBytesWritten(2000);
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
