// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Stand-ins for the platform services: every message box is checked against a script,
// random values are scripted, the clock is fixed and each test has its own program folder.

#include "platform/services.h"
#include "platform/speaker.h"
#include "platform/textfile.h"

#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <random>
#include <tuple>
#include <vector>

namespace testsupport {

class FakeDialogs : public platform::Dialogs
{
public:
    struct box
    {
        QString text;
        platform::Icon kind;
    };

    // Fails the test for boxes and pickers that were expected but never shown.
    ~FakeDialogs() override;

    // The next box must have this text (or, expectStart, begin with it: for messages that name
    // a system error); it is answered with reply.
    void expect(const QString &text, platform::Answer reply = platform::Answer::ok)
    {
        script.push_back({text, reply, false});
    }
    void expectStart(const QString &start, platform::Answer reply = platform::Answer::ok)
    {
        script.push_back({start, reply, true});
    }
    void expectFont(std::optional<platform::FontChoice> reply) { fonts.push_back(reply); }
    void expectColor(std::optional<QColor> reply) { colors.push_back(reply); }
    void expectSaveName(const QString &reply) { saveNames.push_back(reply); }
    void expectOpenName(const QString &reply) { openNames.push_back(reply); }

    platform::Answer message(const QString &text, platform::Icon kind,
                             platform::Buttons set) override;
    std::optional<platform::FontChoice> pickFont(const platform::FontChoice &) override
    {
        return take(fonts, "font");
    }
    std::optional<QColor> pickColor(const QColor &) override { return take(colors, "colour"); }
    QString saveFileName(const QString &title, const QString &filter, const QString &filename,
                         const QString &folder) override;
    QString openFileName(const QString &, const QString &, const QString &) override
    {
        return take(openNames, "open");
    }

    std::vector<box> shown;
    // Called as each box is shown, to look at the program's state at that moment.
    std::function<void(const box &)> onShow;
    struct SaveRequest
    {
        QString title, filter, filename, folder;
    };
    std::vector<SaveRequest> saveRequests;

private:
    // The next scripted reply of a picker; a picker nobody expected fails the test.
    template <typename T> static T take(std::deque<T> &replies, const char *picker)
    {
        if (replies.empty()) {
            ADD_FAILURE() << "unexpected " << picker << " picker";
            return T();
        }
        // Swapped out rather than copied: GCC 12 at -O3 warns that a copied empty optional's
        // QString may be used uninitialised.
        T reply;
        reply.swap(replies.front());
        replies.pop_front();
        return reply;
    }

    struct scripted
    {
        QString text;
        platform::Answer reply;
        bool start;
    };
    std::deque<scripted> script;
    std::deque<std::optional<platform::FontChoice>> fonts;
    std::deque<std::optional<QColor>> colors;
    std::deque<QString> saveNames;
    std::deque<QString> openNames;
};

class FakeLauncher : public platform::Launcher
{
public:
    bool start(const QString &, const QStringList &) override { return starts; }
    bool openUrl(const QUrl &address) override
    {
        opened.push_back(address);
        return starts;
    }

    std::vector<QUrl> opened;
    bool starts = true;
};

// Prints into PDF files in a folder of the test's own.
class FakePrinter : public platform::Printer
{
public:
    bool printImage(QWidget *window) override;

    QString folder;
    std::vector<QString> printed;
    bool works = true;
};

class FakeClock : public platform::Clock
{
public:
    QDateTime now() override { return time; }
    QDateTime time{QDate(2026, 12, 4), QTime(16, 41, 7)};
};

// Scripted values first; after them a fixed-seed sequence.
class FakeRandom : public platform::Random
{
public:
    void randomize() override { ++randomized; }
    float rnd() override;
    void script(std::initializer_list<float> list) { values.insert(values.end(), list); }
    // The value for which Int(rnd * (n - 1) + 1) draws position p: the middle of its interval.
    static float forPosition(int p, int n) { return (float(p) - 0.5f) / float(n - 1); }

    int randomized = 0;

private:
    std::deque<float> values;
    std::mt19937 fallback{20261206};
};

class FakeAppInfo : public platform::AppInfo
{
public:
    QString programFolder() override { return folder; }
    QString title() override { return QStringLiteral("Vocabrix"); }
    platform::Version version() override { return current; }

    QString folder;
    platform::Version current{1, 0, 0};
};

// Writes real files through the program's one writer, with the faults a test asks for: a
// write that fails as a full disk would make it, or a hook at the moment before it commits.
class FakeFiles : public platform::Files
{
public:
    void write(const QString &path, const QByteArray &bytes) override
    {
        ++writes;
        platform::writeBytes(path, bytes, fault);
    }
    platform::WriteFault fault;
    int writes = 0;
};

// Records what was said (text, voice, rate); ready with two voices until a test says otherwise.
class FakeSpeaker : public platform::Speaker
{
public:
    using utterance = std::tuple<QString, QString, double>;
    State availability() override { return current; }
    QString reason() override { return why; }
    void prepare() override { ++prepared; }
    QStringList voices() override { return names; }
    QString defaultVoice() override { return names.value(0); }
    void say(const QString &text, const QString &voice, double rate) override
    {
        if (current != State::unavailable)
            said.emplace_back(text, voice, rate);
    }
    void stop() override {}
    // As the engine reports it, later than asked.
    void become(State now, const QString &reason)
    {
        current = now;
        why = reason;
        changed();
    }

    std::vector<utterance> said;
    QStringList names{QStringLiteral("English (America)"), QStringLiteral("English (Scotland)")};
    int prepared = 0;

private:
    State current = State::ready;
    QString why;
};

// Answers from a table on the next turn of the event loop, as the process would.
class FakePhonetics : public platform::Phonetics
{
public:
    bool available() override { return installed; }
    void transcribe(const QStringList &words,
                    std::function<void(const QHash<QString, QString> &)> done) override
    {
        asked << words;
        QHash<QString, QString> found;
        for (const QString &word : words) {
            if (known.contains(word))
                found.insert(word, known.value(word));
        }
        QTimer::singleShot(0, [done, found] { done(found); });
    }

    QHash<QString, QString> known;
    QStringList asked;
    bool installed = true;
};

// The fakes (with the real HTTP client) and a fresh program folder with XML/, settings/ and
// Logs/, as the set of services the program's objects are handed.
class FakeServices
{
public:
    FakeServices();

    operator platform::Services &() { return set; }

    QString path(const QString &relative) const;
    void write(const QString &relative, const QByteArray &bytes) const;
    QByteArray read(const QString &relative) const;

    QTemporaryDir root;
    FakeDialogs dialogs;
    FakeLauncher launcher;
    FakePrinter printer;
    FakeClock clock;
    FakeRandom random;
    FakeAppInfo appInfo;
    FakeFiles files;
    FakeSpeaker speaker;
    FakePhonetics phonetics;
    std::unique_ptr<platform::Http> http;

private:
    platform::Services set;
};

struct entry
{
    QString word, meaning, usage;
};

// A dictionary file in the program's own layout (CR LF, final empty line).
QByteArray flatXml(const std::vector<entry> &entries);
// The default settings file as the program writes it.
QByteArray defaultSettings();

} // namespace testsupport

// Readable test failure output.
void PrintTo(const QString &text, std::ostream *out);
void PrintTo(const QStringList &list, std::ostream *out);
