// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/zipentry.h"
#include "platform/error.h"
#include "platform/modules.h"
#include "support/httpserver.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(modules, TheHttpAndZipModulesWorkAndAMissingModuleOrFunctionIsNamed)
{
    using maker = platform::Http *(*)();
    const QStringList built{QStringLiteral(VOCABRIX_BUILT_MODULES)};
    std::unique_ptr<platform::Http> http(reinterpret_cast<maker>(
        platform::moduleFunction(QStringLiteral("vocabrix_http"), "vocabrixMakeHttp", built))());
    testsupport::HttpServer server;
    server.respond("/gre1.xml", testsupport::HttpServer::reply(200, "<GRE>"));
    EXPECT_EQ(http->get(server.url("/gre1.xml"), 5000, 1000).body, "<GRE>");

    // The zip module's failures reach the program as its own errors.
    const auto openZip = reinterpret_cast<decltype(&vocabrixOpenZip)>(
        platform::moduleFunction(QStringLiteral("vocabrix_zip"), "vocabrixOpenZip", built));
    const QByteArray emptyZip = "PK\x05\x06" + QByteArray(18, '\0');
    EXPECT_FALSE(std::unique_ptr<importer::ZipArchive>(openZip(nullptr, &emptyZip))->contains("a"));
    const QByteArray notZip = "PK not a zip";
    EXPECT_THROW(openZip(nullptr, &notZip), platform::Error);

    QTemporaryDir empty;
    const std::vector<std::tuple<const char *, const char *, QStringList>> failures{
        {"vocabrix_http", "vocabrixMakeHttp", {empty.path()}},
        {"vocabrix_print", "noSuchFunction", built}};
    for (const auto &[module, function, folders] : failures) {
        try {
            platform::moduleFunction(QString::fromLatin1(module), function, folders);
            ADD_FAILURE() << module << " " << function;
        } catch (const platform::Error &failure) {
            EXPECT_TRUE(failure.message().contains(QLatin1String(module))) << failure.what();
        }
    }

    // The test program has no module folder beside it: the services loaded on first use fail
    // with the module's name, every time they are asked, and take nothing down.
    const std::unique_ptr<platform::Http> deferredHttp = platform::makeDeferredHttp();
    const std::unique_ptr<platform::Printer> printer = platform::makeDeferredPrinter();
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(deferredHttp->get(server.url("/gre1.xml"), 5000, 1000)
                        .error.contains(QLatin1String("vocabrix_http")));
        EXPECT_FALSE(printer->printImage(nullptr));
    }
}

} // namespace
