// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/error.h"
#include "platform/modules.h"
#include "support/httpserver.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(modules, TheHttpModuleFetchesAndAMissingModuleOrFunctionIsNamed)
{
    using maker = platform::http *(*)();
    const QStringList built{QStringLiteral(VOCABRIX_BUILT_MODULES)};
    std::unique_ptr<platform::http> http(reinterpret_cast<maker>(
        platform::moduleFunction(QStringLiteral("vocabrix_http"), "vocabrixMakeHttp", built))());
    testsupport::httpserver server;
    server.respond("/gre1.xml", testsupport::httpserver::reply(200, "<GRE>"));
    EXPECT_EQ(http->get(server.url("/gre1.xml"), 5000, 1000).body, "<GRE>");

    QTemporaryDir empty;
    const std::vector<std::tuple<const char *, const char *, QStringList>> failures{
        {"vocabrix_http", "vocabrixMakeHttp", {empty.path()}},
        {"vocabrix_print", "noSuchFunction", built}};
    for (const auto &[module, function, folders] : failures) {
        try {
            platform::moduleFunction(QString::fromLatin1(module), function, folders);
            ADD_FAILURE() << module << " " << function;
        } catch (const vocabrix::error &failure) {
            EXPECT_TRUE(failure.message().contains(QLatin1String(module))) << failure.what();
        }
    }
}

} // namespace
