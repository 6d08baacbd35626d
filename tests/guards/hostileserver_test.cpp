// SPDX-License-Identifier: GPL-3.0-or-later
// Servers that answer well, badly or with malice: only a whole word list replaces the default
// dictionary; anything else ends, within its time-out, in an error, and the file stays whole.

#include "core/wordlistupdate.h"
#include "platform/error.h"
#include "support/fakes.h"
#include "support/httpserver.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

using testsupport::httpserver;

namespace {

// The real client with a time-out a test can wait for.
struct quickhttp : platform::http
{
    explicit quickhttp(platform::http &real) : real(real) {}
    platform::httpresponse get(const QUrl &address, int, qint64 maxbytes) override
    {
        return real.get(address, 1500, maxbytes);
    }
    platform::http &real;
};

TEST(hostileserver, OnlyAWholeWordListReplacesTheDefaultDictionary)
{
    testsupport::fakeservices fakes;
    fakes.write("secret.xml", "<GRE><word>secret</word></GRE>");
    const QByteArray fresh = "<GRE>\r\n<word>new</word>\r\n</GRE>", ok = "HTTP/1.1 200 OK\r\n";
    // A word list padded past the size limit: only the size can stop it.
    const QByteArray sixty = fresh + QByteArray(60 << 20, ' ');
    httpserver server;
    server.trickle("/trickle", httpserver::reply(200, fresh), 100);
    const std::vector<std::tuple<const char *, QByteArray, QByteArray>> table{
        {"/good", httpserver::reply(200, fresh), fresh + "\r\n"},
        {"/latin", httpserver::reply(200, "<GRE><word>caf\xe9</word></GRE>"),
         "<GRE><word>caf\xc3\xa9</word></GRE>\r\n"},
        {"/missing", httpserver::reply(404, fresh), {}},
        {"/broken", httpserver::reply(500, "<html><body>error</body></html>"), {}},
        {"/empty", httpserver::reply(200, ""), {}},
        {"/nowords", httpserver::reply(200, "<html><p>Maintenance</p></html>"), {}},
        {"/malformed", httpserver::reply(200, "<GRE><word>half"), {}},
        {"/trickle", {}, {}},
        {"/hang", ok + "Content-Length: 100000\r\n\r\n" + fresh, {}},
        {"/shorter", ok + "Content-Length: 20\r\nConnection: close\r\n\r\n" + fresh, {}},
        {"/loop", httpserver::reply(302, "", "Location: /loop\r\n"), {}},
        {"/local",
         httpserver::reply(302, "",
                           "Location: file://" + fakes.path("secret.xml").toUtf8() + "\r\n"),
         {}},
        {"/sixty", httpserver::reply(200, sixty), {}},
        {"/sixtyunsized", ok + "Connection: close\r\n\r\n" + sixty, {}},
        // A few hundred kilobytes on the wire that unpack to 60 MB.
        {"/bomb",
         httpserver::reply(200, qCompress(sixty, 9).mid(4), "Content-Encoding: deflate\r\n"),
         {}}};
    quickhttp http(*fakes.http);
    const QByteArray before = testsupport::flatxml({{"old", "m", "u"}});
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
            update.replaceDefaultDictionary(http, fakes.files, fakes.appinfo.folder);
        } catch (const vocabrix::error &failure) {
            refused = !failure.message().isEmpty();
        }
        EXPECT_LT(clock.elapsed(), 6500) << path;
        EXPECT_EQ(refused, written.isEmpty()) << path;
        EXPECT_EQ(fakes.read("XML/gre.xml"), refused ? before : written) << path;
    }
}

} // namespace
