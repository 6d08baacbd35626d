// SPDX-License-Identifier: GPL-3.0-or-later
// Servers that misbehave on purpose: every request ends, within its time-out, in a refusal the
// update reports, and the dictionary stays as it was.

#include "app/formmain.h"
#include "store/wordlistupdate.h"
#include "support/fakes.h"
#include "support/httpserver.h"

#include <QAction>
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
    const QByteArray sixty = dictionary + QByteArray(60 * 1024 * 1024, ' ');
    server.trickle("/trickle", httpserver::reply(200, dictionary), 100);
    server.respond("/longer", "HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\n" + dictionary,
                   true);
    server.respond("/shorter",
                   "HTTP/1.1 200 OK\r\nContent-Length: 20\r\nConnection: close\r\n\r\n" +
                       dictionary);
    server.respond("/loop", httpserver::reply(302, "", "Location: /loop\r\n"));
    server.respond("/local",
                   httpserver::reply(
                       302, "", "Location: file://" + fakes.path("secret.xml").toUtf8() + "\r\n"));
    server.respond("/sixty", httpserver::reply(200, sixty));
    server.respond("/sixtyunsized", "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + sixty);
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
            platform::services().http->get(server.url(path), timeoutms, updatemaxbytes);
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
    fakes.write("settings/settings.ini", testsupport::defaultsettings());
    httpserver server;
    // A word list padded past the limit, with no length announced: only counting stops it.
    const QByteArray padded = dictionary + QByteArray(60 * 1024 * 1024, ' ');
    server.respond("/gre1.xml", "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + padded);
    FormMain window;
    window.start();
    setupdateaddress(server.url("/gre1.xml"));
    fakes.dialogs.expect(QStringLiteral(" Please Wait ... Updating.."));
    fakes.dialogs.expect(QStringLiteral("Error during update , Please try later"));
    window.mnuxml->trigger();
    EXPECT_EQ(fakes.read("XML/gre.xml"), before);
    setupdateaddress(QUrl());
}

} // namespace
