// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/colors.h"
#include "platform/services.h"
#include "platform/textlayout.h"
#include "platform/twips.h"

#include "support/httpserver.h"
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QTcpServer>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(colors, PackRedInTheLowByte)
{
    EXPECT_EQ(platform::colorfromcode(255), QColor(255, 0, 0));
    EXPECT_EQ(platform::colorfromcode(16711680), QColor(0, 0, 255));
    EXPECT_EQ(platform::colorfromcode(16744576), QColor(128, 128, 255));
    EXPECT_EQ(platform::codefromcolor(QColor(192, 192, 192)), 12632256);
    EXPECT_EQ(platform::readabletext(QColor(Qt::black)), QColor(Qt::white));
    EXPECT_EQ(platform::readabletext(QColor(255, 255, 224)), QColor(Qt::black));
}

TEST(twips, FifteenTwipsAPixelAtNinetySixDpi)
{
    // The offscreen screen tests run on is a 96 DPI screen.
    EXPECT_EQ(platform::twips(480), 32);
    EXPECT_EQ(platform::twips(5000), 333);
    EXPECT_EQ(platform::totwips(32), 480);
    for (int value : {480, 900, 1440, 5000})
        EXPECT_NEAR(platform::totwips(platform::twips(value)), value, 15);
}

TEST(textlayout, WrapsWithinTheWidthAndElidesBeyondTheHeight)
{
    const QFont font(QStringLiteral("DejaVu Sans"), 12);
    const QFontMetrics metrics(font);
    const QString meaning = QStringLiteral(
        "(adj.) showing a casual lack of concern; indifferent to things that would ordinarily "
        "excite or move a person");
    const int width = 300;

    const QStringList roomy = platform::wraptext(meaning, font, width, 1000);
    ASSERT_GT(roomy.size(), 1);
    EXPECT_EQ(roomy.join(' ').simplified(), meaning);
    for (const QString &line : roomy)
        EXPECT_LE(metrics.horizontalAdvance(line), width) << line.toStdString();

    const QStringList tight = platform::wraptext(meaning, font, width, metrics.lineSpacing() * 2);
    ASSERT_EQ(tight.size(), 2);
    EXPECT_TRUE(tight.back().endsWith(QChar(0x2026))) << tight.back().toStdString();

    EXPECT_EQ(platform::wraptext("short", font, width, 10), QStringList({"short"}));
    EXPECT_TRUE(platform::wraptext("", font, width, 100).isEmpty());
}

TEST(random, DrawsStayBelowOne)
{
    auto &random = *platform::services().random;
    random.randomize();
    double sum = 0;
    for (int i = 0; i < 100000; ++i) {
        const float value = random.rnd();
        ASSERT_GE(value, 0.0f);
        ASSERT_LT(value, 1.0f);
        sum += value;
    }
    EXPECT_NEAR(sum / 100000, 0.5, 0.01);
}

TEST(http, GetsBodiesAndStatusFromARealServer)
{
    auto &http = *platform::services().http;
    testsupport::httpserver server;
    server.respond("/gre1.xml", testsupport::httpserver::reply(200, "<GRE>"));
    server.respond("/missing", testsupport::httpserver::reply(404, "nope"));
    server.respond("/moved", testsupport::httpserver::reply(302, "", "Location: /gre1.xml\r\n"));

    const platform::httpresponse found = http.get(server.url("/gre1.xml"), 5000, 1000);
    EXPECT_EQ(found.status, 200);
    EXPECT_EQ(found.body, "<GRE>");
    EXPECT_TRUE(found.error.isEmpty());
    EXPECT_TRUE(server.requests().at(0).startsWith("GET /gre1.xml HTTP/1.1"));

    const platform::httpresponse notfound = http.get(server.url("/missing"), 5000, 1000);
    EXPECT_EQ(notfound.status, 404);
    EXPECT_FALSE(notfound.error.isEmpty());

    const platform::httpresponse moved = http.get(server.url("/moved"), 5000, 1000);
    EXPECT_EQ(moved.status, 200) << "a redirect is followed";
    EXPECT_EQ(moved.body, "<GRE>");

    const platform::httpresponse large = http.get(server.url("/gre1.xml"), 5000, 3);
    EXPECT_TRUE(large.body.isEmpty());
    EXPECT_FALSE(large.error.isEmpty()) << "a body beyond the limit is refused";
}

TEST(http, HttpsIsNeverDowngradedAndNeedsATrustedCertificate)
{
    auto &http = *platform::services().http;
    testsupport::httpserver plain;
    plain.respond("/gre1.xml", testsupport::httpserver::reply(200, "<GRE>plain"));
    testsupport::httpserver secure(testsupport::httpserver::tls::on);
    secure.respond("/gre1.xml", testsupport::httpserver::reply(200, "<GRE>"));
    secure.respond("/moved",
                   testsupport::httpserver::reply(
                       302, "", "Location: " + secure.url("/gre1.xml").toEncoded() + "\r\n"));
    secure.respond("/downgrade",
                   testsupport::httpserver::reply(
                       302, "", "Location: " + plain.url("/gre1.xml").toEncoded() + "\r\n"));

    const platform::httpresponse untrusted = http.get(secure.url("/gre1.xml"), 5000, 1000);
    EXPECT_TRUE(untrusted.body.isEmpty());
    EXPECT_FALSE(untrusted.error.isEmpty()) << "a certificate error ends the request";

    testsupport::httpserver::trustloopback();
    const platform::httpresponse found = http.get(secure.url("/gre1.xml"), 5000, 1000);
    EXPECT_EQ(found.body, "<GRE>") << found.error.toStdString();
    EXPECT_TRUE(found.error.isEmpty());
    EXPECT_EQ(http.get(secure.url("/moved"), 5000, 1000).body, "<GRE>");

    const platform::httpresponse downgraded = http.get(secure.url("/downgrade"), 5000, 1000);
    EXPECT_FALSE(downgraded.error.isEmpty());
    EXPECT_NE(downgraded.body, "<GRE>plain");
    EXPECT_TRUE(plain.requests().empty()) << "the plain server is never asked";
}

TEST(http, UnreachableAndSilentServersEndWithAnError)
{
    auto &http = *platform::services().http;
    quint16 closedport;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        closedport = probe.serverPort();
    }
    const platform::httpresponse refused =
        http.get(QUrl(QStringLiteral("http://127.0.0.1:%1/gre1.xml").arg(closedport)), 5000, 1000);
    EXPECT_EQ(refused.status, 0);
    EXPECT_FALSE(refused.error.isEmpty());

    testsupport::httpserver server;
    server.respond("/gre1.xml", "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n<GRE>", true);
    QElapsedTimer timer;
    timer.start();
    const platform::httpresponse timedout = http.get(server.url("/gre1.xml"), 500, 1000);
    EXPECT_LT(timer.elapsed(), 4000);
    EXPECT_FALSE(timedout.error.isEmpty());
}

TEST(http, NoOtherEventIsHandledWhileARequestWaits)
{
    testsupport::httpserver server;
    server.respond("/slow", "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n", true);
    int ticks = 0;
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start();
    platform::services().http->get(server.url("/slow"), 400, 1000);
    EXPECT_EQ(ticks, 0);
}

} // namespace

namespace {

TEST(textlayout, FitsByShrinkingBeforeEliding)
{
    const QFont font(QStringLiteral("DejaVu Sans"), 12);
    const QString meaning = QStringLiteral(
        "(adj.) generous or forgiving, especially toward a rival or a less powerful person");
    const int width = 240, height = QFontMetrics(font).lineSpacing() * 2 + 4;

    const platform::fittedtext fitted = platform::fittext(meaning, font, width, height);
    EXPECT_LT(fitted.font.pointSizeF(), 12);
    EXPECT_GE(fitted.font.pointSizeF(), 9);
    EXPECT_EQ(fitted.lines.join(' ').simplified(), meaning) << "nothing is cut off";

    const platform::fittedtext roomy = platform::fittext("(n.) a scarcity", font, width, height);
    EXPECT_EQ(roomy.font.pointSizeF(), 12) << "a text that fits keeps the chosen size";

    const platform::fittedtext overfull =
        platform::fittext(meaning.repeated(4), font, width, height);
    EXPECT_TRUE(overfull.lines.back().endsWith(QChar(0x2026)));
}

} // namespace

#include "platform/lookups.h"
#include "support/fakes.h"

namespace {

TEST(lookups, WordsArePercentEncodedIntoTheQuery)
{
    const platform::lookupservice &webster = platform::dictionaryservices()[0];
    EXPECT_EQ(platform::lookupaddress(webster, "abate").toString(QUrl::FullyEncoded),
              "http://www.merriam-webster.com/cgi-bin/dictionary?book=Dictionary&va=abate");
    EXPECT_EQ(platform::lookupaddress(webster, "in lieu & \"so\" #1").toString(QUrl::FullyEncoded),
              "http://www.merriam-webster.com/cgi-bin/"
              "dictionary?book=Dictionary&va=in%20lieu%20%26%20%22so%22%20%231");
    EXPECT_EQ(platform::lookupaddress(platform::imagesearch(), QString::fromUtf8("café"))
                  .toString(QUrl::FullyEncoded),
              "http://images.google.com/images?q=caf%C3%A9");

    testsupport::fakeservices fakes;
    const QUrl address = platform::lookupaddress(webster, "abate");
    EXPECT_TRUE(platform::browse(address));
    ASSERT_EQ(fakes.launcher.opened.size(), 1u);
    EXPECT_EQ(fakes.launcher.opened[0], address);
    fakes.launcher.starts = false;
    EXPECT_FALSE(platform::browse(address));
}

} // namespace
