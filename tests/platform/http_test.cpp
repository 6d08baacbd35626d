// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qtservices.h"
#include "support/httpserver.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTimer>
#include <gtest/gtest.h>

using testsupport::httpserver;

namespace {

TEST(http, GetsBodiesAndStatusFromARealServer)
{
    const auto http = platform::makeQtHttp();
    httpserver server;
    server.respond("/gre1.xml", httpserver::reply(200, "<GRE>"));
    server.respond("/missing", httpserver::reply(404, "nope"));
    server.respond("/moved", httpserver::reply(302, "", "Location: /gre1.xml\r\n"));

    const platform::httpresponse found = http->get(server.url("/gre1.xml"), 5000, 1000);
    EXPECT_EQ(std::make_tuple(found.status, found.body, found.error),
              std::make_tuple(200, QByteArray("<GRE>"), QString()));
    EXPECT_TRUE(server.requests().at(0).startsWith("GET /gre1.xml HTTP/1.1"));
    const platform::httpresponse notfound = http->get(server.url("/missing"), 5000, 1000);
    EXPECT_EQ(notfound.status, 404);
    EXPECT_FALSE(notfound.error.isEmpty());
    EXPECT_EQ(http->get(server.url("/moved"), 5000, 1000).body, "<GRE>")
        << "redirects are followed";
    const platform::httpresponse large = http->get(server.url("/gre1.xml"), 5000, 3);
    EXPECT_TRUE(large.body.isEmpty());
    EXPECT_FALSE(large.error.isEmpty()) << "a body beyond the limit is refused";
}

TEST(http, HttpsIsNeverDowngradedAndNeedsATrustedCertificate)
{
    const auto http = platform::makeQtHttp();
    httpserver plain;
    plain.respond("/gre1.xml", httpserver::reply(200, "<GRE>plain"));
    httpserver secure(httpserver::tls::on);
    secure.respond("/gre1.xml", httpserver::reply(200, "<GRE>"));
    const auto to = [](const QUrl &address) {
        return httpserver::reply(302, "", "Location: " + address.toEncoded() + "\r\n");
    };
    secure.respond("/moved", to(secure.url("/gre1.xml")));
    secure.respond("/downgrade", to(plain.url("/gre1.xml")));

    const platform::httpresponse untrusted = http->get(secure.url("/gre1.xml"), 5000, 1000);
    EXPECT_TRUE(untrusted.body.isEmpty());
    EXPECT_FALSE(untrusted.error.isEmpty()) << "a certificate error ends the request";

    httpserver::trustloopback();
    const platform::httpresponse found = http->get(secure.url("/gre1.xml"), 5000, 1000);
    EXPECT_EQ(found.body, "<GRE>") << found.error.toStdString();
    EXPECT_TRUE(found.error.isEmpty());
    EXPECT_EQ(http->get(secure.url("/moved"), 5000, 1000).body, "<GRE>");
    const platform::httpresponse downgraded = http->get(secure.url("/downgrade"), 5000, 1000);
    EXPECT_FALSE(downgraded.error.isEmpty());
    EXPECT_NE(downgraded.body, "<GRE>plain");
    EXPECT_TRUE(plain.requests().empty()) << "the plain server is never asked";
}

TEST(http, UnreachableAndSilentServersEndWithAnErrorAndNoEventMeanwhile)
{
    const auto http = platform::makeQtHttp();
    quint16 closedport;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        closedport = probe.serverPort();
    }
    const platform::httpresponse refused =
        http->get(QUrl(QStringLiteral("http://127.0.0.1:%1/x").arg(closedport)), 5000, 1000);
    EXPECT_EQ(refused.status, 0);
    EXPECT_FALSE(refused.error.isEmpty());

    httpserver server;
    server.respond("/slow", "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n<GRE>", true);
    int ticks = 0;
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start();
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(http->get(server.url("/slow"), 500, 1000).error.isEmpty());
    EXPECT_LT(clock.elapsed(), 4000);
    EXPECT_EQ(ticks, 0) << "no other event is handled while a request waits";
}

TEST(random, DrawsStayBelowOne)
{
    const auto random = platform::makeQtRandom();
    double sum = 0;
    for (int i = 0; i < 100000; ++i) {
        const float value = random->rnd();
        ASSERT_TRUE(value >= 0.0f && value < 1.0f) << value;
        sum += value;
    }
    EXPECT_NEAR(sum / 100000, 0.5, 0.01);
}

} // namespace
