// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/error.h"
#include "platform/paths.h"
#include "platform/programfolder.h"
#include "platform/qtservices.h"
#include "platform/textfile.h"
#include "platform/widgets/textlayout.h"
#include "support/httpserver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFontMetrics>
#include <QStringDecoder>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>
#include <set>

using testsupport::HttpServer;

namespace {

void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    platform::writeBytes(path, bytes);
}

TEST(textFile, DecodesUtf8Windows1252AndByteOrderMarks)
{
    const std::vector<std::pair<QByteArray, QString>> table{
        {"caf\xc3\xa9 \xe2\x80\x94", "café —"},  {"caf\xe9 \x93q\x94 \x80 \x9f", "café “q” € Ÿ"},
        {"\xef\xbb\xbf<GRE/>", "<GRE/>"},        {QByteArray("\xff\xfe<\0a\0", 6), "<a"},
        {QByteArray("\xfe\xff\0<\0a", 6), "<a"}, {"", ""}};
    for (const auto &[bytes, text] : table)
        EXPECT_EQ(platform::decodeText(bytes), text) << bytes.toHex().toStdString();
    // Valid UTF-8 exactly as Qt's decoder sees it: truncated, overlong, surrogate, too large.
    for (const char *bytes : {"\xf0\x9f\x98\x80", "\xef\xbf\xbf", "caf\xe9", "\xc3", "\xe2\x80",
                              "\xc0\xaf", "\xe0\x80\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80",
                              "\xf8\x88\x80\x80\x80", "\x80", "a\xc3\xa9\xc3"}) {
        QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        const QString decoded = decoder.decode(QByteArrayView(bytes));
        EXPECT_EQ(platform::isUtf8(bytes), !decoder.hasError()) << bytes;
    }
}

TEST(textFile, PathsJoinAndAMissingFileIsAnError)
{
    // Write faults have their own suite (guards/writefaults_test.cpp).
    QTemporaryDir folder;
    EXPECT_THROW(platform::readBytes(folder.filePath("absent.txt")), platform::Error);
    EXPECT_EQ(platform::joinPath("/opt/my v/", "\\XML//gre.xml") + platform::joinPath("/", "/a"),
              "/opt/my v/XML/gre.xml/a");
}

TEST(programFolder, APortableCopyStaysAndAnInstalledOneSeedsTheUsersFolderOnly)
{
    QTemporaryDir root;
    const QString share = root.filePath("share"), user = root.filePath("user");
    write(root.filePath("portable/XML/gre.xml"), "<GRE/>");
    EXPECT_EQ(platform::findProgramFolder(root.filePath("portable"), user, share),
              root.filePath("portable"));
    EXPECT_FALSE(QDir(user).exists());
    QDir().mkpath(root.filePath("bin"));
    write(share + "/XML/gre.xml", "shipped dictionary");
    write(share + "/settings/settings.ini", "shipped settings");
    QFile::setPermissions(share + "/XML/gre.xml", QFile::ReadOwner | QFile::ReadOther);
    EXPECT_EQ(platform::findProgramFolder(root.filePath("bin"), user, share), user);
    EXPECT_TRUE(QFile::permissions(user + "/XML/gre.xml") & QFile::WriteOwner);
    EXPECT_TRUE(QDir(user + "/Logs").exists());
    write(user + "/settings/settings.ini", "my settings");
    QFile::remove(user + "/XML/gre.xml");
    write(share + "/XML/new.xml", "a new list");
    write(share + "/settings/settings.ini", "upgraded settings");
    EXPECT_EQ(platform::findProgramFolder(root.filePath("bin"), user, share), user);
    EXPECT_EQ(platform::readBytes(user + "/settings/settings.ini") +
                  platform::readBytes(user + "/XML/new.xml") +
                  platform::readBytes(user + "/XML/gre.xml"),
              "my settings"
              "a new list"
              "shipped dictionary")
        << "seeded, never overwritten";
}

// A response as "status body ok" or "status body error".
QString fetched(const QUrl &address, qint64 maxBytes = 1000, int timeoutMs = 5000)
{
    const platform::HttpResponse response =
        platform::makeQtHttp()->get(address, timeoutMs, maxBytes);
    return QString("%1 %2 %3")
        .arg(response.status)
        .arg(QString::fromUtf8(response.body), response.error.isEmpty() ? "ok" : "error");
}

TEST(http, HttpsIsNeverDowngradedAndNeedsATrustedCertificate)
{
    HttpServer plain, secure(HttpServer::tls::on);
    plain.respond("/gre1.xml", HttpServer::reply(200, "<GRE>plain"));
    secure.respond("/gre1.xml", HttpServer::reply(200, "<GRE>"));
    const auto to = [](const QUrl &address) {
        return HttpServer::reply(302, "", "Location: " + address.toEncoded() + "\r\n");
    };
    secure.respond("/moved", to(secure.url("/gre1.xml")));
    secure.respond("/downgrade", to(plain.url("/gre1.xml")));
    EXPECT_EQ(fetched(secure.url("/gre1.xml")), "0  error") << "an untrusted certificate";
    HttpServer::trustLoopBack();
    EXPECT_EQ(fetched(secure.url("/gre1.xml")), "200 <GRE> ok");
    EXPECT_EQ(fetched(secure.url("/moved")), "200 <GRE> ok") << "redirects are followed";
    EXPECT_TRUE(fetched(secure.url("/downgrade")).endsWith(" error"));
    EXPECT_TRUE(plain.requests().empty()) << "the plain server is never asked";
}

TEST(http, UnreachableAndSilentServersEndWithAnErrorAndNoEventMeanwhile)
{
    quint16 closedPort;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        closedPort = probe.serverPort();
    }
    EXPECT_EQ(fetched(QUrl(QStringLiteral("http://127.0.0.1:%1/x").arg(closedPort))), "0  error");
    HttpServer server;
    server.respond("/slow", "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n<GRE>", true);
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(10);
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(fetched(server.url("/slow"), 1000, 500).endsWith(" error"));
    EXPECT_LT(clock.elapsed(), 4000);
    EXPECT_EQ(ticks, 0) << "no other event is handled while a request waits";
}

TEST(random, DrawsAreUniformBelowOne)
{
    const auto random = platform::makeQtRandom();
    double sum = 0;
    for (int i = 0; i < 100000; ++i) {
        const float value = random->rnd();
        sum += value >= 0 && value < 1 ? value : 1e9;
    }
    EXPECT_NEAR(sum / 100000, 0.5, 0.01);
}

bool fitsAt(const QString &text, QFont font, double size, int width, int height)
{
    font.setPointSizeF(size);
    const QFontMetrics metrics(font);
    return platform::wrapText(text, font, width, 1 << 20).size() * metrics.lineSpacing() <=
           height + metrics.leading();
}

TEST(textLayout, FittingTakesTheLargestHalfPointSizeThatFitsOrElidesAtTheSmallest)
{
    const QFont font(QStringLiteral("DejaVu Serif"), 12);
    const int width = 200, height = 80;
    const QStringList words =
        QStringLiteral("(v.) cause to feel shame, hurt the pride of ").repeated(4).split(' ');
    std::set<double> sizes;
    for (int count = 4; count <= words.size(); count += 2) {
        const QString text = words.mid(0, count).join(' ').trimmed();
        const platform::FittedText fitted = platform::fitText(text, font, width, height);
        const double size = fitted.font.pointSizeF();
        sizes.insert(size);
        EXPECT_EQ(std::fmod(12 - size, 0.5), 0) << size;
        EXPECT_GE(size, 9);
        if (size < 12) {
            EXPECT_FALSE(fitsAt(text, font, size + 0.5, width, height)) << count;
        }
        if (fitsAt(text, font, size, width, height)) {
            EXPECT_EQ(fitted.lines.join(' '), text) << count;
        } else {
            EXPECT_EQ(size, 9) << count;
            EXPECT_TRUE(fitted.lines.last().endsWith(QChar(0x2026)))
                << fitted.lines.join('|').toStdString();
        }
    }
    EXPECT_GE(sizes.size(), 4u) << "sizes between the largest and the smallest were tried";
}

} // namespace
