// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/zipentry.h"
#include "platform/error.h"
#include "platform/espeakphonetics.h"
#include "platform/modules.h"
#include "support/httpserver.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A sound server of the test's own, with a sink that plays into nothing; null without one.
std::unique_ptr<QProcess> startSoundServer(const QString &folder)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
    if (program.isEmpty())
        return nullptr;
    auto server = std::make_unique<QProcess>();
    const QString socket = folder + QStringLiteral("/native");
    // The sink first: a client that finds the socket finds the sink.
    server->start(program, {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                            "-L", "module-null-sink", "-L",
                            "module-native-protocol-unix auth-anonymous=1 socket=" + socket});
    if (!QTest::qWaitFor([&] { return QFileInfo::exists(socket); }, 10000))
        return nullptr;
    qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
    return server;
}

TEST(speech, TheRealEngineStartsInTheBackgroundAndSpeaksWithoutHanging)
{
    const QStringList built{QStringLiteral(VOCABRIX_BUILT_MODULES)};
    if (!QFileInfo::exists(built[0] + QStringLiteral("/vocabrix_speech.so")))
        GTEST_SKIP() << "built without Qt TextToSpeech (qt6-speech-dev)";
    QTemporaryDir folder;
    const std::unique_ptr<QProcess> server = startSoundServer(folder.path());
    using maker = platform::Speaker *(*)();
    std::unique_ptr<platform::Speaker> speaker(reinterpret_cast<maker>(platform::moduleFunction(
        QStringLiteral("vocabrix_speech"), "vocabrixMakeSpeaker", built))());
    speaker->prepare();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return speaker->availability() != platform::Speaker::State::unknown; }, 20000));
    if (speaker->availability() != platform::Speaker::State::ready)
        GTEST_SKIP() << speaker->reason().toStdString();
    EXPECT_TRUE(speaker->voices().contains(speaker->defaultVoice()));
    speaker->say(QStringLiteral("laconic"), QString(), 0.5);
    QTest::qWait(1500);
    // Without a sound server of its own the engine may have found none.
    const bool spoke = speaker->availability() == platform::Speaker::State::ready;
    EXPECT_TRUE(spoke || !server) << speaker->reason().toStdString();
    // The speaker ends before the server, which ends with the test.
}

TEST(speech, EspeakTranscribesInTheBackgroundWhenInstalled)
{
    const std::unique_ptr<platform::Phonetics> phonetics = platform::makeEspeakPhonetics();
    if (!phonetics->available())
        GTEST_SKIP() << "espeak-ng is not installed";
    std::optional<QHash<QString, QString>> found;
    phonetics->transcribe({"abate", "ad hoc", "line\nbreak"},
                          [&](const QHash<QString, QString> &answer) { found = answer; });
    EXPECT_FALSE(found) << "not while the caller waits";
    ASSERT_TRUE(QTest::qWaitFor([&] { return found.has_value(); }, 20000));
    EXPECT_EQ(*found, (QHash<QString, QString>{{"abate", "/ɐbˈeɪt/"}, {"ad hoc", "/ˈæd hˈɑːk/"}}));
}

TEST(modules, TheHttpAndZipModulesWorkAndAMissingModuleOrFunctionIsNamedWithWhatToInstall)
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
    // with the module's name, every time they are asked, and take nothing down; speech says
    // what to install.
    const std::unique_ptr<platform::Http> deferredHttp = platform::makeDeferredHttp();
    const std::unique_ptr<platform::Printer> printer = platform::makeDeferredPrinter();
    const std::unique_ptr<platform::Speaker> speaker = platform::makeDeferredSpeaker();
    EXPECT_EQ(speaker->availability(), platform::Speaker::State::unknown);
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(deferredHttp->get(server.url("/gre1.xml"), 5000, 1000)
                        .error.contains(QLatin1String("vocabrix_http")));
        EXPECT_FALSE(printer->printImage(nullptr));
        speaker->say(QStringLiteral("laconic"), QString(), 0);
    }
    EXPECT_EQ(speaker->availability(), platform::Speaker::State::unavailable);
    EXPECT_TRUE(speaker->reason().contains("vocabrix_speech") &&
                speaker->reason().contains("qt6-"));
}

} // namespace
