// SPDX-License-Identifier: GPL-3.0-or-later
// Real faults under each writer: the dictionary save, the settings, the word-list update and the
// log. The old file stays byte for byte or the new one is complete; a failure is an error.

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
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>

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
    server.respond("/gre1.xml", testsupport::httpserver::reply(200, flatxml({{"new", "", ""}})));
    DisplaySettings settings;
    settings.setStyle(DisplaySettings::MainWord, {"Times", 30, 255});
    AnswerLog log;
    log.append({true, "(v.) lessen", "abate"});
    const QString logfile = logfilecontent("stamp", log.text());
    return {{"dictionary save", "XML/words/mine.xml", flatxml({{"w", "m", "u"}}),
             flatxml({{"w", "m", "a new usage"}}),
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
            {"update", "XML/gre.xml", flatxml({{"old", "m", "u"}}),
             flatxml({{"new", "", ""}}) + "\r\n",
             [&server](fakeservices &fakes) {
                 WordListUpdate update;
                 update.setAddress(server.url("/gre1.xml"));
                 update.replaceDefaultDictionary(*fakes.http, fakes.files, fakes.appinfo.folder);
             }},
            {"log save", "Logs/mine.txt", "an older log\r\n", logfile.toUtf8(),
             [logfile](fakeservices &fakes) {
                 fakes.files.writeText(fakes.path("Logs/mine.txt"), logfile);
             }}};
}

QString prepare(fakeservices &fakes, const writer &w)
{
    QDir(fakes.appinfo.folder).mkpath(QFileInfo(w.target).path());
    fakes.write(w.target, w.before);
    return fakes.path(w.target);
}

QStringList othersbeside(const QString &target)
{
    QStringList names = QDir(QFileInfo(target).path()).entryList(QDir::Files | QDir::Hidden);
    names.removeAll(QFileInfo(target).fileName());
    return names;
}

// Files fail to grow beyond 16 bytes, as on a full disk, without the signal a real one does
// not send.
void limitfilesize(bool on)
{
    static rlimit before{};
    if (on)
        getrlimit(RLIMIT_FSIZE, &before);
    const rlimit limited{on ? 16 : before.rlim_cur, before.rlim_max};
    std::signal(SIGXFSZ, on ? SIG_IGN : SIG_DFL);
    setrlimit(RLIMIT_FSIZE, &limited);
}

TEST(writefaults, EachFaultKeepsTheOldFileOrWritesTheNewOneWhole)
{
    testsupport::httpserver server;
    // Each fault says whether the write must fail: an administrator writes into a read-only
    // folder all the same.
    const std::vector<std::pair<const char *, std::function<bool(fakeservices &, QString)>>> faults{
        {"read-only file",
         [](fakeservices &, const QString &target) {
             return QFile::setPermissions(target, QFile::ReadOwner);
         }},
        {"read-only folder",
         [](fakeservices &, const QString &target) {
             const QString folder = QFileInfo(target).path();
             QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
             return !QFileInfo(folder).isWritable();
         }},
        {"missing folder",
         [](fakeservices &, const QString &target) {
             return QDir(QFileInfo(target).path()).removeRecursively();
         }},
        {"full disk", [](fakeservices &, const QString &) { return limitfilesize(true), true; }},
        {"failed commit",
         [](fakeservices &fakes, const QString &) { return fakes.files.fault.fails = true; }}};
    for (const auto &[fault, apply] : faults) {
        for (const writer &w : writers(server)) {
            SCOPED_TRACE(std::string(fault) + " under the " + w.name);
            fakeservices fakes;
            const QString target = prepare(fakes, w);
            const bool fails = apply(fakes, target);
            bool failed = false;
            try {
                w.save(fakes);
            } catch (const vocabrix::error &failure) {
                failed = !failure.message().isEmpty();
            }
            if (fault == std::string("full disk"))
                limitfilesize(false);
            QFile::setPermissions(QFileInfo(target).path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            EXPECT_EQ(failed, fails);
            EXPECT_EQ(fakes.read(w.target), !fails                      ? w.after
                                            : QFileInfo::exists(target) ? w.before
                                                                        : QByteArray());
            EXPECT_EQ(othersbeside(target), QStringList()) << "no temporary file is left";
        }
    }
}

// The child is killed after writing and before the new file replaces the old one, as a crash
// or a power cut would stop it.
TEST(writefaults, AWriteKilledBeforeItsCommitLeavesTheOldFile)
{
    testsupport::httpserver server;
    for (const writer &w : writers(server)) {
        SCOPED_TRACE(w.name);
        fakeservices fakes;
        const QString target = prepare(fakes, w);
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        const pid_t child = fork();
        if (child == 0) {
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
        EXPECT_TRUE(poll(&waiting, 1, 60000) == 1 && read(ready[0], &written, 1) == 1);
        close(ready[0]);
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        EXPECT_EQ(fakes.read(w.target), w.before);
        // A named temporary file, where the system makes one, holds the whole new text.
        for (const QString &left : othersbeside(target))
            EXPECT_EQ(fakes.read(QFileInfo(w.target).path() + "/" + left), w.after);
    }
}

} // namespace
