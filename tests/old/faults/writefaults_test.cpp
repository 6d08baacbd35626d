// SPDX-License-Identifier: GPL-3.0-or-later
// Real faults under each of the five places that replace a file: the description save, the
// editor save, the word-list update, the settings save and the log save. Whatever happens, the
// old file stays byte for byte or the new one is complete, and a failure is told.

#include "app/formmain.h"
#include "modglobal.h"
#include "platform/textfile.h"
#include "results/formresults.h"
#include "results/resultsrules.h"
#include "settings/globalfileroutines.h"
#include "store/formedit.h"
#include "store/wordlistupdate.h"
#include "support/fakes.h"
#include "support/httpserver.h"

#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using platform::answer;
using testsupport::entry;
using testsupport::httpserver;

namespace {

const std::vector<entry> entries{{"abate", "(v.) lessen", "It abated."},
                                 {"belie", "(v.) contradict", "Her smile belied her."},
                                 {"cogent", "(adj.) convincing", "A cogent case."}};
const QString dictionarypath = QStringLiteral("\\XML\\words\\mine.xml");

// A fresh program folder and main window for each case.
struct scene
{
    scene() { fakes.write("settings/settings.ini", testsupport::defaultsettings()); }
    testsupport::fakeservices fakes;
    FormMain window;
};

// One writer as the user drives it. save(fails) scripts the boxes a failed or a successful
// write shows and then saves.
struct writer
{
    const char *name;
    QString target;
    std::function<void(scene &)> prepare;
    std::function<void(scene &, bool fails)> save;
    std::function<QByteArray(scene &)> fresh;
    // The settings save makes its folder when it is missing.
    bool makesfolder = false;
};

void loaddictionary(scene &s)
{
    QDir(s.fakes.path("XML")).mkpath(QStringLiteral("words"));
    s.fakes.write("XML/words/mine.xml", testsupport::flatxml(entries));
    modglobal::xmlfilepath = dictionarypath;
    s.window.loaddata(dictionarypath);
}

std::vector<writer> writers(httpserver &server)
{
    const QByteArray freshlist = testsupport::flatxml({{"fresh", "m", "u"}});
    const QByteArray settings = "255\r\nTimes\r\n30\r\n0\r\nArial\r\n14\r\n0\r\nArial\r\n12\r\n"
                                "0\r\nArial\r\n24";
    server.respond("/gre1.xml", httpserver::reply(200, freshlist));
    return {
        {"description save", "XML/words/mine.xml", loaddictionary,
         [](scene &s, bool fails) {
             s.window.RichTextBox1->setPlainText(QStringLiteral("a new usage"));
             s.fakes.dialogs.expect(QStringLiteral("Do you want to Save ? "), answer::yes);
             if (fails)
                 s.fakes.dialogs.expectstart(QStringLiteral("The description could not be saved"));
             s.window.Command7_Click();
         },
         [](scene &s) {
             std::vector<entry> changed = entries;
             changed.at(size_t(s.window.currentword)).usage = QStringLiteral("a new usage");
             return testsupport::flatxml(changed);
         }},
        {"editor save", "XML/words/mine.xml",
         [](scene &s) {
             loaddictionary(s);
             s.fakes.dialogs.expectstart(QStringLiteral("WARNING: "));
             forms::edit().Form_Load();
         },
         [](scene &s, bool fails) {
             forms::edit().Text1->setPlainText(
                 QStringLiteral("<GRE><word>w</word><meaning>m</meaning><usage>u</usage></GRE>"));
             s.fakes.dialogs.expect(QStringLiteral("Update XML File ?"));
             if (fails)
                 s.fakes.dialogs.expectstart(QStringLiteral("The dictionary could not be saved"));
             else
                 s.fakes.dialogs.expect(QStringLiteral("File Saved "));
             forms::edit().mnusave_Click();
         },
         [](scene &) {
             return testsupport::flatxml({{"w", "m", "u"}}).chopped(2);
         }},
        {"word-list update", "XML/gre.xml",
         [&server](scene &s) {
             s.fakes.write("XML/gre.xml", testsupport::flatxml(entries));
             setupdateaddress(server.url("/gre1.xml"));
         },
         [](scene &s, bool fails) {
             s.fakes.dialogs.expect(QStringLiteral(" Please Wait ... Updating.."));
             s.fakes.dialogs.expect(fails ? QStringLiteral("Error during update , Please try later")
                                          : QStringLiteral("Update Successful "));
             s.window.mnuxml_Click();
         },
         [freshlist](scene &) { return freshlist + "\r\n"; }},
        {"settings save", "settings/settings.ini", [](scene &) {},
         [settings](scene &s, bool fails) {
             s.fakes.dialogs.expect(QStringLiteral("Update Color and Font Settings ?"));
             if (fails)
                 s.fakes.dialogs.expectstart(QStringLiteral("The settings could not be saved."));
             else
                 s.fakes.dialogs.expectstart(QStringLiteral("Settings have been saved"));
             writesettings(QStringLiteral("settings.ini"), QString::fromUtf8(settings));
         },
         [settings](scene &) { return settings; }, true},
        {"log save", "Logs/mine.txt",
         [](scene &s) {
             s.fakes.write("Logs/mine.txt", "an older log\r\n");
             forms::results().appendlog(QStringLiteral(" CORRECT :(v.) lessen:abate"));
         },
         [](scene &s, bool fails) {
             s.fakes.dialogs.expectsavename(s.fakes.path("Logs/mine.txt"));
             if (fails) {
                 s.fakes.dialogs.expectstart(QStringLiteral("The log could not be saved."));
             } else {
                 s.fakes.dialogs.expect(QStringLiteral("Log File Saved !"));
                 s.fakes.dialogs.expectcolor(std::nullopt);
             }
             forms::results().mnuSave_Click();
         },
         [](scene &s) {
             return logfilecontent(datetimeline(s.fakes.clock.time), forms::results().logtext())
                 .toUtf8();
         }},
    };
}

// A fault put in place before a save and taken away after it. apply says whether the write
// must fail: an administrator writes into a read-only folder all the same.
struct fault
{
    const char *name;
    std::function<bool(const writer &, const QString &target)> apply;
    std::function<void(const QString &target)> undo;
};

QString folderof(const QString &target)
{
    return QFileInfo(target).absolutePath();
}

const QFile::Permissions readwrite =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup;

// Every file longer than this fails to grow, as on a full disk. The signal the kernel sends
// with the failure is ignored, as a real full disk sends none.
class filesizelimit
{
public:
    explicit filesizelimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &before);
        previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = before;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~filesizelimit()
    {
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, previous);
    }

private:
    rlimit before{};
    void (*previous)(int) = nullptr;
};

std::vector<fault> faults(std::unique_ptr<filesizelimit> &limit)
{
    return {
        {"read-only file",
         [](const writer &, const QString &target) {
             return QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup);
         },
         [](const QString &target) {
             QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
         }},
        {"read-only folder",
         [](const writer &, const QString &target) {
             const QString folder = folderof(target);
             QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                               QFile::ExeGroup);
             return access(QFile::encodeName(folder).constData(), W_OK) != 0;
         },
         [](const QString &target) { QFile::setPermissions(folderof(target), readwrite); }},
        {"missing folder",
         [](const writer &w, const QString &target) {
             QDir(folderof(target)).removeRecursively();
             return !w.makesfolder;
         },
         [](const QString &) {}},
        {"full disk",
         [&limit](const writer &, const QString &) {
             limit = std::make_unique<filesizelimit>(16);
             return true;
         },
         [&limit](const QString &) { limit.reset(); }},
    };
}

QStringList othersbeside(const QString &target)
{
    QStringList names = QDir(folderof(target)).entryList(QDir::Files | QDir::Hidden);
    names.removeAll(QFileInfo(target).fileName());
    return names;
}

TEST(writefaults, EachFaultKeepsTheOldFileOrWritesTheNewOneWhole)
{
    httpserver server;
    std::unique_ptr<filesizelimit> limit;
    for (const fault &each : faults(limit)) {
        for (const writer &w : writers(server)) {
            SCOPED_TRACE(std::string(each.name) + " under the " + w.name);
            scene s;
            w.prepare(s);
            const QString target = s.fakes.path(w.target);
            const QByteArray before = s.fakes.read(w.target), after = w.fresh(s);
            ASSERT_FALSE(before.isEmpty());
            const bool fails = each.apply(w, target);
            w.save(s, fails);
            each.undo(target);
            s.fakes.dialogs.verify();
            if (fails) {
                EXPECT_EQ(s.fakes.read(w.target),
                          QFileInfo::exists(target) ? before : QByteArray());
                EXPECT_NE(s.fakes.dialogs.shown.back().kind, platform::icon::information);
            } else {
                EXPECT_EQ(s.fakes.read(w.target), after);
            }
            EXPECT_EQ(othersbeside(target), QStringList()) << "no temporary file is left";
        }
    }
    setupdateaddress(QUrl());
}

// The child process saves and is killed after writing and before the new file replaces the
// old one, as a crash or a power cut would stop it.
TEST(writefaults, AWriteKilledBeforeItsCommitLeavesTheOldFile)
{
    httpserver server;
    for (const writer &w : writers(server)) {
        SCOPED_TRACE(w.name);
        scene s;
        w.prepare(s);
        const QString target = s.fakes.path(w.target);
        const QByteArray before = s.fakes.read(w.target), after = w.fresh(s);
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(ready[0]);
            platform::setbeforecommit([&] {
                const char written = 'w';
                [[maybe_unused]] const auto sent = write(ready[1], &written, 1);
                for (;;)
                    pause();
            });
            w.save(s, false);
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
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
        EXPECT_EQ(s.fakes.read(w.target), before);
        // A named temporary file, where the system makes one, holds the whole new text and
        // is not what the program reads.
        for (const QString &left : othersbeside(target))
            EXPECT_EQ(s.fakes.read(QFileInfo(w.target).path() + "/" + left), after);
    }
    setupdateaddress(QUrl());
}

} // namespace
