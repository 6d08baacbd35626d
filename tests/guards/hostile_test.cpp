// SPDX-License-Identifier: GPL-3.0-or-later
// Files and servers a user or an attacker controls: a file loads or counts no word, a server's
// answer replaces the default dictionary only when it is a whole word list; each quickly, in
// bounded memory, without reading another file, and leaving the old file whole.

#include "core/dictionary.h"
#include "core/displaysettings.h"
#include "core/wordlistupdate.h"
#include "platform/error.h"
#include "support/fakes.h"
#include "support/httpserver.h"

#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>
#include <random>

using namespace core;

using testsupport::HttpServer;

namespace {

QByteArray entry(const QByteArray &word)
{
    return "<word>" + word + "</word><meaning>m</meaning><usage>u</usage>";
}

TEST(hostileFiles, EachDictionaryLoadsOrCountsNoWord)
{
    testsupport::FakeServices fakes;
    fakes.write("secret.txt", "top secret");
    // Each level of the bomb holds ten references to the one below: 10^9 "lol" in all.
    QByteArray bomb = "<?xml version=\"1.0\"?>\n<!DOCTYPE GRE [\n<!ENTITY l0 \"lol\">\n";
    for (int level = 1; level <= 9; ++level)
        bomb += "<!ENTITY l" + QByteArray::number(level) + " \"" +
                ("&l" + QByteArray::number(level - 1) + ";").repeated(10) + "\">\n";
    std::mt19937 generator(20261206);
    QByteArray garbage(1 << 20, Qt::Uninitialized);
    for (char &byte : garbage)
        byte = char(generator());
    const QString naive = "<GRE>" + QString::fromUtf8(entry("na\xc3\xafve")) + "</GRE>";
    const QByteArray nested = "<GRE>" + QByteArray("<a>").repeated(100000) + entry("deep");
    const std::vector<std::pair<QByteArray, QString>> table{
        {nested + QByteArray("</a>").repeated(100000) + "</GRE>", "deep"},
        {nested, {}},
        {bomb + "]>\n<GRE>" + entry("&l9;") + "</GRE>", "&l9;"},
        {"<?xml version=\"1.0\"?>\n<!DOCTYPE GRE [<!ENTITY x SYSTEM \"file://" +
             fakes.path("secret.txt").toUtf8() +
             "\">]>\n<GRE><word>w</word><meaning>&x;</meaning></GRE>",
         "w"},
        {garbage, {}},
        {"\xff\xfe" + QByteArray(reinterpret_cast<const char *>(naive.utf16()), naive.size() * 2),
         "naïve"},
        {"<GRE>" + entry(QByteArray("a\0b", 3)) + "</GRE>", {}},
        {QByteArray(4096, '\0'), {}},
        {"<GRE>" + entry(QByteArray(10 << 20, 'x')) + "</GRE>", QString(10 << 20, u'x')},
        {"", {}}};
    for (const auto &[bytes, first] : table) {
        fakes.write("XML/hostile.xml", bytes);
        Dictionary dictionary(fakes.appInfo.folder);
        EXPECT_EQ(dictionary.load("/XML/hostile.xml"), first.isNull() ? 0 : 1)
            << bytes.left(60).toStdString();
        EXPECT_EQ(dictionary.word(0), first);
        EXPECT_FALSE(dictionary.meaning(0).contains("secret"));
    }
}

TEST(hostileFiles, AGigabyteSettingsFileIsReadOnlyAsFarAsItsLines)
{
    testsupport::FakeServices fakes;
    QElapsedTimer clock;
    clock.start();
    // Sparse files: the gigabyte costs neither disk nor time to make. In the second the twelfth
    // line runs on past the limit: cut there, it would read as a size; it is left out.
    const QByteArray good = testsupport::defaultSettings().replace("24", "25");
    for (const QByteArray &start :
         {good + "\r\n", good + QByteArray(70 << 10, ' '), QByteArray()}) {
        fakes.write("settings/settings.ini", start);
        QFile(fakes.path("settings/settings.ini")).resize(qint64(1) << 30);
        DisplayStyles settings;
        EXPECT_EQ(settings.load(fakes.appInfo.folder), start.endsWith("\r\n"));
        EXPECT_EQ(settings.style(DisplayStyles::FlashCards).fontSize,
                  start.endsWith("\r\n") ? 25 : 24);
    }
    EXPECT_LT(clock.elapsed(), 5000) << "a file must not be read whole";
}

// The real client with a time-out a test can wait for.
struct QuickHttp : platform::Http
{
    explicit QuickHttp(platform::Http &real) : real(real) {}
    platform::HttpResponse get(const QUrl &address, int, qint64 maxBytes) override
    {
        return real.get(address, 1500, maxBytes);
    }
    platform::Http &real;
};

TEST(hostileServer, OnlyAWholeWordListReplacesTheDefaultDictionary)
{
    testsupport::FakeServices fakes;
    fakes.write("secret.xml", "<GRE><word>secret</word></GRE>");
    const QByteArray fresh = "<GRE>\r\n<word>caf\xc3\xa9</word>\r\n</GRE>",
                     ok = "HTTP/1.1 200 OK\r\n";
    // A word list padded past the size limit: only the size can stop it.
    const QByteArray sixty = fresh + QByteArray(60 << 20, ' ');
    HttpServer server;
    server.respond("/trickle", HttpServer::reply(200, fresh + QByteArray(100, ' ')), false, 100);
    const std::vector<std::tuple<const char *, QByteArray, QByteArray>> table{
        {"/good", HttpServer::reply(200, fresh), fresh + "\r\n"},
        {"/latin", HttpServer::reply(200, "<GRE><word>caf\xe9</word></GRE>"),
         "<GRE><word>caf\xc3\xa9</word></GRE>\r\n"},
        {"/missing", HttpServer::reply(404, fresh), {}},
        {"/choices", HttpServer::reply(300, fresh), {}},
        {"/empty", HttpServer::reply(200, ""), {}},
        {"/nowords", HttpServer::reply(200, "<html><p>Maintenance</p></html>"), {}},
        {"/malformed", HttpServer::reply(200, "<GRE><word>half"), {}},
        {"/trickle", {}, {}},
        {"/hang", ok + "Content-Length: 100000\r\n\r\n" + fresh, {}},
        {"/shorter", ok + "Content-Length: 20\r\nConnection: close\r\n\r\n" + fresh, {}},
        {"/loop", HttpServer::reply(302, "", "Location: /loop\r\n"), {}},
        {"/local",
         HttpServer::reply(302, "",
                           "Location: file://" + fakes.path("secret.xml").toUtf8() + "\r\n"),
         {}},
        {"/sixty", HttpServer::reply(200, sixty), {}},
        {"/sixtyunsized", ok + "Connection: close\r\n\r\n" + sixty, {}},
        // A few hundred kilobytes on the wire that unpack to 60 MB.
        {"/bomb",
         HttpServer::reply(200, qCompress(sixty, 9).mid(4), "Content-Encoding: deflate\r\n"),
         {}}};
    QuickHttp http(*fakes.http);
    const QByteArray before = testsupport::flatXml({{"old", "m", "u"}});
    for (const auto &[path, response, written] : table) {
        if (!response.isEmpty())
            server.respond(path, response, path == QByteArray("/hang"));
        fakes.write("XML/gre.xml", before);
        WordListUpdate update;
        update.setAddress(server.url(path));
        QElapsedTimer clock;
        clock.start();
        bool refused = false;
        try {
            Dictionary dictionary(fakes.appInfo.folder);
            update.replaceDefaultDictionary(http, fakes.files, dictionary);
        } catch (const platform::Error &failure) {
            refused = !failure.message().isEmpty();
        }
        EXPECT_LT(clock.elapsed(), 6500) << path;
        EXPECT_EQ(refused, written.isEmpty()) << path;
        EXPECT_EQ(fakes.read("XML/gre.xml"), refused ? before : written) << path;
    }
    EXPECT_FALSE(updateProblem({200, fresh, "Operation canceled"}).isEmpty())
        << "a failed transfer";
}

} // namespace
