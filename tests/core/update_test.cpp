// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/wordlistupdate.h"
#include "platform/error.h"
#include "support/fakes.h"
#include "support/httpserver.h"

#include <gtest/gtest.h>

using testsupport::httpserver;

namespace {

// The real client with limits a test can wait for.
class quickhttp : public platform::http
{
public:
    explicit quickhttp(platform::http &real) : real(real) {}
    platform::httpresponse get(const QUrl &address, int, qint64) override
    {
        return real.get(address, 2000, 4096);
    }
    platform::http &real;
};

TEST(wordlistupdate, OnlyAWholeWordListReplacesTheDefaultDictionary)
{
    const QByteArray fresh = "<GRE>\r\n<word>new</word>\r\n</GRE>";
    const QByteArray latin = "<GRE><word>caf\xe9</word></GRE>";
    httpserver server;
    struct row
    {
        const char *path;
        QByteArray response;
        QByteArray written; // empty: the old file stays
        bool hang = false;
    };
    const std::vector<row> table{
        {"/latin", httpserver::reply(200, latin), "<GRE><word>caf\xc3\xa9</word></GRE>\r\n"},
        {"/good", httpserver::reply(200, fresh), fresh + "\r\n"},
        {"/moved", httpserver::reply(301, "", "Location: /good\r\n"), fresh + "\r\n"},
        {"/missing", httpserver::reply(404, fresh), {}},
        {"/broken", httpserver::reply(500, "<html><body>error</body></html>"), {}},
        {"/empty", httpserver::reply(200, ""), {}},
        {"/nowords", httpserver::reply(200, "<html><p>Maintenance</p></html>"), {}},
        {"/malformed", httpserver::reply(200, "<GRE><word>half"), {}},
        {"/large", httpserver::reply(200, fresh + QByteArray(5000, ' ')), {}},
        {"/hang", "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n" + fresh, {}, true},
        {"/unknown", {}, {}}};
    for (const row &each : table) {
        SCOPED_TRACE(each.path);
        if (!each.response.isEmpty())
            server.respond(each.path, each.response, each.hang);
        testsupport::fakeservices fakes;
        const QByteArray before = testsupport::flatxml({{"old", "m", "u"}});
        fakes.write("XML/gre.xml", before);
        quickhttp http(*fakes.http);
        WordListUpdate update;
        update.setAddress(server.url(each.path));
        if (each.written.isEmpty()) {
            EXPECT_THROW(update.replaceDefaultDictionary(http, fakes.files, fakes.appinfo.folder),
                         vocabrix::error);
            EXPECT_EQ(fakes.read("XML/gre.xml"), before);
        } else {
            update.replaceDefaultDictionary(http, fakes.files, fakes.appinfo.folder);
            EXPECT_EQ(fakes.read("XML/gre.xml"), each.written);
        }
    }
}

} // namespace
