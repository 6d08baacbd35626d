#include "platform/colors.h"
#include "platform/services.h"
#include "platform/textlayout.h"
#include "platform/twips.h"

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QTcpServer>
#include <QTcpSocket>
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

// A loopback server that answers every request with a fixed response, or not at all.
class loopback
{
public:
    explicit loopback(QByteArray response) : reply(std::move(response))
    {
        server.listen(QHostAddress::LocalHost);
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            QTcpSocket *socket = server.nextPendingConnection();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                request += socket->readAll();
                if (request.contains("\r\n\r\n") && !reply.isEmpty()) {
                    socket->write(reply);
                    socket->disconnectFromHost();
                }
            });
        });
    }
    QUrl url(const char *path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2")
                        .arg(server.serverPort())
                        .arg(QLatin1String(path)));
    }

    QTcpServer server;
    QByteArray reply, request;
};

TEST(http, GetsBodiesAndStatusFromARealServer)
{
    auto &http = *platform::services().http;
    loopback ok("HTTP/1.1 200 OK\r\nContent-Length: 5\r\nConnection: close\r\n\r\n<GRE>");
    const platform::httpresponse found = http.get(ok.url("/gre1.xml"), 5000);
    EXPECT_EQ(found.status, 200);
    EXPECT_EQ(found.body, "<GRE>");
    EXPECT_TRUE(found.error.isEmpty());
    EXPECT_TRUE(ok.request.startsWith("GET /gre1.xml HTTP/1.1")) << ok.request.toStdString();

    loopback missing(
        "HTTP/1.1 404 Not Found\r\nContent-Length: 4\r\nConnection: close\r\n\r\nnope");
    const platform::httpresponse notfound = http.get(missing.url("/gre1.xml"), 5000);
    EXPECT_EQ(notfound.status, 404);
    EXPECT_FALSE(notfound.error.isEmpty());
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
        http.get(QUrl(QStringLiteral("http://127.0.0.1:%1/gre1.xml").arg(closedport)), 5000);
    EXPECT_EQ(refused.status, 0);
    EXPECT_FALSE(refused.error.isEmpty());

    loopback silent{QByteArray()};
    QElapsedTimer timer;
    timer.start();
    const platform::httpresponse timedout = http.get(silent.url("/gre1.xml"), 500);
    EXPECT_LT(timer.elapsed(), 4000);
    EXPECT_EQ(timedout.status, 0);
    EXPECT_FALSE(timedout.error.isEmpty());
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
