// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/formmain.h"
#include "modglobal.h"
#include "platform/textfile.h"
#include "store/wordlistupdate.h"
#include "support/fakes.h"
#include "support/httpserver.h"

#include <QAction>
#include <QLineEdit>
#include <QProgressBar>
#include <gtest/gtest.h>

using testsupport::httpserver;

namespace {

const QString wait = QStringLiteral(" Please Wait ... Updating..");
const QString success = QStringLiteral("Update Successful ");
const QString failure = QStringLiteral("Error during update , Please try later");

class updatetest : public ::testing::Test
{
protected:
    updatetest()
    {
        fakes.write("XML/gre.xml", before);
        fakes.write("settings/settings.ini", testsupport::defaultsettings());
        window.start();
        fakes.dialogs.onshow = [this](const testsupport::fakedialogs::box &) {
            bar.emplace_back(window.ProgressBar1->isVisible(), window.ProgressBar1->value());
        };
    }
    ~updatetest() override { setupdateaddress(QUrl()); }

    void update(const QByteArray &path, const QString &last)
    {
        setupdateaddress(server.url(path));
        bar.clear();
        fakes.dialogs.expect(wait);
        fakes.dialogs.expect(last);
        window.mnuxml->trigger();
        EXPECT_FALSE(window.ProgressBar1->isVisible()) << path.toStdString();
    }

    const QByteArray before = testsupport::flatxml({{"old0", "m", "u"}, {"old1", "m", "u"}});
    const QByteArray fresh = "<GRE>\r\n<word>new</word>\r\n<meaning>m</meaning>\r\n"
                             "<usage>u</usage>\r\n</GRE>";
    testsupport::fakeservices fakes;
    httpserver server;
    FormMain window;
    std::vector<std::pair<bool, int>> bar;
};

TEST_F(updatetest, AGoodListReplacesTheDefaultDictionaryOnly)
{
    fakes.write("XML/mine.xml", testsupport::flatxml({{"a", "m", "u"}, {"b", "m", "u"}}));
    modglobal::xmlfilepath = "/XML/mine.xml";
    window.loaddata(modglobal::xmlfilepath);
    server.respond("/gre1.xml", httpserver::reply(200, fresh));
    update("/gre1.xml", success);
    EXPECT_EQ(fakes.dialogs.shown.at(0).kind, platform::icon::exclamation);
    EXPECT_EQ(fakes.dialogs.shown.at(1).kind, platform::icon::information);
    EXPECT_EQ(bar, (std::vector<std::pair<bool, int>>{{true, 60}, {true, 100}}));
    EXPECT_EQ(fakes.read("XML/gre.xml"), fresh + "\r\n");
    EXPECT_EQ(fakes.read("XML/mine.xml"), testsupport::flatxml({{"a", "m", "u"}, {"b", "m", "u"}}));
    EXPECT_EQ(modglobal::xmlfilepath, "/XML/mine.xml");
    EXPECT_EQ(modglobal::wordlist.front(), "a") << "the list in memory is not reloaded";
    EXPECT_TRUE(server.requests().at(0).startsWith("GET /gre1.xml "));
}

TEST_F(updatetest, ARedirectIsFollowed)
{
    server.respond("/gre1.xml", httpserver::reply(301, "", "Location: /new/gre1.xml\r\n"));
    server.respond("/new/gre1.xml", httpserver::reply(200, fresh));
    update("/gre1.xml", success);
    EXPECT_EQ(fakes.read("XML/gre.xml"), fresh + "\r\n");
}

TEST_F(updatetest, BadResponsesLeaveTheDictionaryWhole)
{
    const std::vector<std::pair<QByteArray, QByteArray>> table{
        {"/empty", httpserver::reply(200, "")},
        {"/missing", httpserver::reply(404, fresh)},
        {"/broken", httpserver::reply(500, "<html><body>Internal error</body></html>")},
        {"/malformed", httpserver::reply(200, "<GRE><word>half")},
        {"/nowords", httpserver::reply(200, "<html><p>Maintenance</p></html>")},
        {"/unknown", QByteArray()}};
    for (const auto &[path, response] : table) {
        if (!response.isEmpty())
            server.respond(path, response);
        update(path, failure);
        EXPECT_EQ(fakes.dialogs.shown.back().kind, platform::icon::exclamation);
        EXPECT_EQ(bar, (std::vector<std::pair<bool, int>>{{true, 60}, {true, 60}}))
            << path.toStdString();
        EXPECT_EQ(fakes.read("XML/gre.xml"), before) << path.toStdString();
    }
}

TEST_F(updatetest, AFailedWriteKeepsTheOldFile)
{
    server.respond("/gre1.xml", httpserver::reply(200, fresh));
    platform::injectwritefailure(true);
    update("/gre1.xml", failure);
    platform::injectwritefailure(false);
    EXPECT_EQ(fakes.read("XML/gre.xml"), before);
}

TEST_F(updatetest, AnUnreachableServerFails)
{
    setupdateaddress(QUrl("http://127.0.0.1:1/gre1.xml"));
    fakes.dialogs.expect(wait);
    fakes.dialogs.expect(failure);
    window.mnuxml_Click();
    EXPECT_FALSE(window.ProgressBar1->isVisible());
    EXPECT_EQ(fakes.read("XML/gre.xml"), before);
}

TEST(updaterules, OnlyAWholeWordListIsAccepted)
{
    const std::vector<std::pair<platform::httpresponse, bool>> table{
        {{200, "<GRE><word>w</word></GRE>", ""}, true},
        {{200, "\xef\xbb\xbf<GRE><word>caf\xc3\xa9</word></GRE>", ""}, true},
        {{200, "<GRE><word>caf\xe9</word></GRE>", ""}, true},
        {{204, "", ""}, false},
        {{200, "<GRE></GRE>", ""}, false},
        {{200, "<GRE><word>w</word></GRE>", "Operation canceled"}, false},
        {{302, "<GRE><word>w</word></GRE>", ""}, false},
        {{200, "not xml", ""}, false}};
    for (const auto &[response, accepted] : table)
        EXPECT_EQ(updateproblem(response).isEmpty(), accepted) << response.body.toStdString();
}

} // namespace
