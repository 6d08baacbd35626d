// SPDX-License-Identifier: GPL-3.0-or-later
// Real faults under each writer: the dictionary save, the settings, the word-list update and the
// log. The old file stays byte for byte or the new one is complete; a failure is an error.

#include "core/answerlog.h"
#include "core/dictionary.h"
#include "core/displaysettings.h"
#include "core/resultsrules.h"
#include "core/wordlistupdate.h"
#include "platform/error.h"
#include "platform/textfile.h"
#include "support/fakes.h"
#include "support/httpserver.h"

#include <QDir>
#include <csignal>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>

using namespace core;

using testsupport::FakeServices;
using testsupport::flatXml;

namespace {

struct writer
{
    QString target;
    QByteArray before, after;
    std::function<void(FakeServices &)> save;
    // A writer that makes a missing folder writes all the same.
    bool makesFolder = false;
};

std::vector<writer> writers(testsupport::HttpServer &server)
{
    server.respond("/gre1.xml", testsupport::HttpServer::reply(200, flatXml({{"new", "", ""}})));
    DisplayStyles styles;
    styles.setStyle(DisplayStyles::MainWord, {"Times", 30, 255});
    AnswerLog log;
    log.append({true, "(v.) lessen", "abate"});
    const QString logFile = logFileContent("stamp", log.text());
    const auto dictionary = [](FakeServices &fakes) {
        Dictionary dictionary(fakes.appInfo.folder);
        dictionary.load("\\XML\\words\\mine.xml");
        dictionary.list(Dictionary::Usages)[0] = "new";
        dictionary.save(fakes.files, FinalLine::empty);
    };
    const auto update = [&server](FakeServices &fakes) {
        WordListUpdate update;
        update.setAddress(server.url("/gre1.xml"));
        Dictionary dictionary(fakes.appInfo.folder);
        update.replaceDefaultDictionary(*fakes.http, fakes.files, dictionary);
    };
    return {
        {"XML/words/mine.xml", flatXml({{"w", "m", "u"}}), flatXml({{"w", "m", "new"}}),
         dictionary},
        {"settings/settings.ini", testsupport::defaultSettings(), styles.fileText().toUtf8(),
         [=](FakeServices &fakes) {
             DisplaySettings settings(fakes.files, fakes.appInfo.folder);
             settings.setStyles(styles);
             settings.save();
         },
         true},
        {"XML/gre.xml", flatXml({{"old", "m", "u"}}), flatXml({{"new", "", ""}}) + "\r\n", update},
        {"Logs/mine.txt", "an older log\r\n", logFile.toUtf8(), [=](FakeServices &fakes) {
             fakes.files.writeText(fakes.path("Logs/mine.txt"), logFile);
         }}};
}

// Saves in a child that is killed after it wrote and before the new file replaced the old one,
// as a crash or a power cut would stop it.
void saveAndKill(FakeServices &fakes, const writer &w)
{
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    if (child == 0) {
        fakes.files.fault.beforeCommit = [&] {
            [[maybe_unused]] const auto sent = write(ready[1], "w", 1);
            for (;;)
                pause();
        };
        w.save(fakes);
        _exit(1);
    }
    close(ready[1]);
    pollfd waiting{ready[0], POLLIN, 0};
    char written = 0;
    EXPECT_TRUE(poll(&waiting, 1, 60000) == 1 && read(ready[0], &written, 1) == 1);
    close(ready[0]);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

TEST(writeFaults, EachFaultKeepsTheOldFileOrWritesTheNewOneWhole)
{
    testsupport::HttpServer server;
    rlimit unlimited{};
    getrlimit(RLIMIT_FSIZE, &unlimited);
    // A full disk: files fail to grow beyond 16 bytes, without the signal a real one never sends.
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit full{16, unlimited.rlim_max};
    using fault =
        std::function<bool(FakeServices &, const QString &, const QString &, const writer &)>;
    // Each makes a fault and says whether the write must fail: an administrator writes into a
    // read-only folder all the same. After them, a writer killed before its commit.
    const std::vector<fault> faults{
        [](auto &, auto &target, auto &, auto &) {
            return QFile::setPermissions(target, QFile::ReadOwner);
        },
        [](auto &, auto &, auto &folder, auto &) {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
            return !QFileInfo(folder).isWritable();
        },
        [](auto &, auto &, auto &folder, auto &w) {
            return QDir(folder).removeRecursively() && !w.makesFolder;
        },
        [&](auto &, auto &, auto &, auto &) { return setrlimit(RLIMIT_FSIZE, &full) == 0; },
        [](auto &fakes, auto &, auto &, auto &) { return fakes.files.fault.fails = true; }};
    for (size_t f = 0; f <= faults.size(); ++f) {
        for (const writer &w : writers(server)) {
            SCOPED_TRACE("fault " + std::to_string(f) + " under " + w.target.toStdString());
            FakeServices fakes;
            const QString target = fakes.path(w.target), folder = QFileInfo(target).path();
            QDir().mkpath(folder);
            fakes.write(w.target, w.before);
            const bool killed = f == faults.size(),
                       fails = killed || faults[f](fakes, target, folder, w);
            bool failed = killed;
            try {
                killed ? saveAndKill(fakes, w) : w.save(fakes);
            } catch (const platform::Error &failure) {
                // The message names the file, as the system names it to the user.
                failed = failure.message().contains(QDir::toNativeSeparators(target));
            }
            setrlimit(RLIMIT_FSIZE, &unlimited);
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            EXPECT_EQ(failed, fails);
            EXPECT_EQ(fakes.read(w.target), !fails                      ? w.after
                                            : QFileInfo::exists(target) ? w.before
                                                                        : QByteArray());
            // Only a killed writer leaves a temporary file, if the system names one; it holds
            // the whole new text.
            for (const QFileInfo &left : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden))
                EXPECT_TRUE(left.filePath() == target ||
                            (killed && platform::readBytes(left.filePath()) == w.after));
        }
    }
    std::signal(SIGXFSZ, SIG_DFL);
}

} // namespace
