// SPDX-License-Identifier: GPL-3.0-or-later
// Servers that misbehave on purpose: every request ends, within its time-out, in a refusal the
// update reports, and the dictionary stays as it was.

#include "core/wordlistupdate.h"
#include "platform/error.h"
#include "support/fakes.h"
#include "support/httpserver.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

using testsupport::httpserver;

namespace {

const QByteArray dictionary = "<GRE><word>w</word><meaning>m</meaning><usage>u</usage></GRE>";

TEST(hostileserver, EachBadAnswerEndsInARefusalWithinItsTimeOut)
{
    testsupport::fakeservices fakes;
    fakes.write("secret.xml", dictionary);
    httpserver server;
    // A real word list padded past the limit: only the size can stop it.
    const QByteArray sixty = dictionary + QByteArray(60 << 20, ' ');
    const QByteArray ok = "HTTP/1.1 200 OK\r\n";
    server.trickle("/trickle", httpserver::reply(200, dictionary), 100);
    server.respond("/longer", ok + "Content-Length: 100000\r\n\r\n" + dictionary, true);
    server.respond("/shorter", ok + "Content-Length: 20\r\nConnection: close\r\n\r\n" + dictionary);
    server.respond("/loop", httpserver::reply(302, "", "Location: /loop\r\n"));
    server.respond("/local",
                   httpserver::reply(
                       302, "", "Location: file://" + fakes.path("secret.xml").toUtf8() + "\r\n"));
    server.respond("/sixty", httpserver::reply(200, sixty));
    server.respond("/sixtyunsized", ok + "Connection: close\r\n\r\n" + sixty);
    // A few hundred kilobytes on the wire that unpack to 60 MB.
    server.respond("/bomb", httpserver::reply(200, qCompress(sixty, 9).mid(4),
                                              "Content-Encoding: deflate\r\n"));
    const int timeoutms = 1500;
    for (const char *path : {"/trickle", "/longer", "/shorter", "/loop", "/local", "/sixty",
                             "/sixtyunsized", "/bomb"}) {
        SCOPED_TRACE(path);
        QElapsedTimer clock;
        clock.start();
        const platform::httpresponse response =
            fakes.http->get(server.url(path), timeoutms, updatemaxbytes);
        EXPECT_LT(clock.elapsed(), timeoutms + 5000);
        EXPECT_FALSE(updateproblem(response).isEmpty());
        EXPECT_LE(response.body.size(), updatemaxbytes);
    }
}

TEST(hostileserver, AnOversizedUpdateLeavesTheDictionary)
{
    testsupport::fakeservices fakes;
    const QByteArray before = testsupport::flatxml({{"old", "m", "u"}});
    fakes.write("XML/gre.xml", before);
    httpserver server;
    // No length announced: only counting stops it.
    server.respond("/gre1.xml", "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + dictionary +
                                    QByteArray(60 << 20, ' '));
    WordListUpdate update;
    update.setAddress(server.url("/gre1.xml"));
    EXPECT_THROW(update.replaceDefaultDictionary(*fakes.http, fakes.files, fakes.appinfo.folder),
                 vocabrix::error);
    EXPECT_EQ(fakes.read("XML/gre.xml"), before);
    EXPECT_EQ(fakes.files.writes, 0);
}

} // namespace
