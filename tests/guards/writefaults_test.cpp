// SPDX-License-Identifier: GPL-3.0-or-later
// Real faults under each writer of the core: the dictionary save, the settings, the word-list
// update and the log. Whatever happens, the old file stays byte for byte or the new one is
// complete, and a failure is an error with a message.

#include "core/answerlog.h"
#include "core/dictionary.h"
#include "core/displaysettings.h"
#include "core/resultsrules.h"
#include "core/wordlistupdate.h"
#include "platform/error.h"
#include "support/fakes.h"
#include "support/httpserver.h"

#include <QDir>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using testsupport::fakeservices;
using testsupport::flatxml;

namespace {

struct writer
{
    const char *name, *target;
    QByteArray before, after;
    std::function<void(fakeservices &)> save;
};

std::vector<writer> writers(testsupport::httpserver &server)
{
    const QByteArray fresh = flatxml({{"fresh", "m", "u"}});
    server.respond("/gre1.xml", testsupport::httpserver::reply(200, fresh));
    DisplaySettings settings;
    settings.setStyle(DisplaySettings::MainWord, {"Times", 30, 255});
    AnswerLog log;
    log.append({true, "(v.) lessen", "abate"});
    const QString logtext = logfilecontent("stamp", log.text());
    return {{"dictionary save", "XML/words/mine.xml", flatxml({{"abate", "(v.) lessen", "u"}}),
             flatxml({{"abate", "(v.) lessen", "a new usage"}}),
             [](fakeservices &fakes) {
                 Dictionary dictionary(fakes.appinfo.folder);
                 dictionary.load("\\XML\\words\\mine.xml");
                 dictionary.list(Dictionary::Usages)[0] = "a new usage";
                 dictionary.save(fakes.files, finalline::empty);
             }},
            {"settings write", "settings/settings.ini", testsupport::defaultsettings(),
             settings.fileText().toUtf8(),
             [settings](fakeservices &fakes) {
                 fakes.files.writeText(DisplaySettings::filePath(fakes.appinfo.folder),
                                       settings.fileText());
             }},
            {"word-list update", "XML/gre.xml", flatxml({{"old", "m", "u"}}), fresh + "\r\n",
             [&server](fakeservices &fakes) {
                 WordListUpdate update;
                 update.setAddress(server.url("/gre1.xml"));
                 update.replaceDefaultDictionary(*fakes.http, fakes.files, fakes.appinfo.folder);
             }},
            {"log save", "Logs/mine.txt", "an older log\r\n", logtext.toUtf8(),
             [logtext](fakeservices &fakes) {
                 fakes.files.writeText(fakes.path("Logs/mine.txt"), logtext);
             }}};
}

void prepare(fakeservices &fakes, const writer &w)
{
    QDir(fakes.appinfo.folder).mkpath(QFileInfo(w.target).path());
    fakes.write(w.target, w.before);
}

QStringList othersbeside(const QString &target)
{
    QStringList names = QDir(QFileInfo(target).path()).entryList(QDir::Files | QDir::Hidden);
    names.removeAll(QFileInfo(target).fileName());
    return names;
}

// Every file longer than this fails to grow, as on a full disk; the signal that comes with the
// failure is ignored, as a real full disk sends none.
struct filesizelimit
{
    explicit filesizelimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &before);
        previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited{bytes, before.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~filesizelimit()
    {
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, previous);
    }
    rlimit before{};
    void (*previous)(int) = nullptr;
};

// A fault made before a save; it returns whether the save must fail (an administrator writes
// into a read-only folder all the same) and what undoes it.
using fault =
    std::function<bool(fakeservices &, const QString &target, std::function<void()> &undo)>;

TEST(writefaults, EachFaultKeepsTheOldFileOrWritesTheNewOneWhole)
{
    testsupport::httpserver server;
    const std::vector<std::pair<const char *, fault>> faults{
        {"read-only file",
         [](fakeservices &, const QString &target, std::function<void()> &) {
             return QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup);
         }},
        {"read-only folder",
         [](fakeservices &, const QString &target, std::function<void()> &undo) {
             const QString folder = QFileInfo(target).path();
             QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
             undo = [folder] {
                 QFile::setPermissions(folder,
                                       QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
             };
             return access(QFile::encodeName(folder).constData(), W_OK) != 0;
         }},
        {"missing folder",
         [](fakeservices &, const QString &target, std::function<void()> &) {
             return QDir(QFileInfo(target).path()).removeRecursively();
         }},
        {"full disk",
         [](fakeservices &, const QString &, std::function<void()> &undo) {
             auto limit = std::make_shared<filesizelimit>(16);
             undo = [limit]() mutable { limit.reset(); };
             return true;
         }},
        {"failed commit", [](fakeservices &fakes, const QString &, std::function<void()> &) {
             return fakes.files.fault.fails = true;
         }}};
    for (const auto &[faultname, apply] : faults) {
        for (const writer &w : writers(server)) {
            SCOPED_TRACE(std::string(faultname) + " under the " + w.name);
            fakeservices fakes;
            prepare(fakes, w);
            const QString target = fakes.path(w.target);
            std::function<void()> undo = [] {};
            const bool fails = apply(fakes, target, undo);
            bool failed = false;
            try {
                w.save(fakes);
            } catch (const vocabrix::error &failure) {
                failed = !failure.message().isEmpty();
            }
            undo();
            EXPECT_EQ(failed, fails);
            EXPECT_EQ(fakes.read(w.target), !fails                      ? w.after
                                            : QFileInfo::exists(target) ? w.before
                                                                        : QByteArray());
            EXPECT_EQ(othersbeside(target), QStringList()) << "no temporary file is left";
        }
    }
}

// The child saves and is killed after writing and before the new file replaces the old one,
// as a crash or a power cut would stop it.
TEST(writefaults, AWriteKilledBeforeItsCommitLeavesTheOldFile)
{
    testsupport::httpserver server;
    for (const writer &w : writers(server)) {
        SCOPED_TRACE(w.name);
        fakeservices fakes;
        prepare(fakes, w);
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(ready[0]);
            fakes.files.fault.beforecommit = [&] {
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
        const bool reached = poll(&waiting, 1, 60000) == 1 && read(ready[0], &written, 1) == 1;
        close(ready[0]);
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(reached) << "the save never came to its commit";
        EXPECT_EQ(fakes.read(w.target), w.before);
        // A named temporary file, where the system makes one, holds the whole new text and is
        // not what the program reads.
        for (const QString &left : othersbeside(fakes.path(w.target)))
            EXPECT_EQ(fakes.read(QFileInfo(w.target).path() + "/" + left), w.after);
    }
}

} // namespace
