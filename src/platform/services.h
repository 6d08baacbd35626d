// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every facility of the desktop the program uses goes through these small interfaces, so that
// tests can replace them. The program makes one set at start (DesktopServices) and hands it to
// each object that needs it.

#include <QByteArray>
#include <QColor>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

class QPrinter;
class QWidget;

namespace platform {

class Speaker;
class Phonetics;

enum class Icon { none, critical, question, exclamation, information };
enum class Buttons { ok, okCancel, yesno };
enum class Answer { ok, cancel, yes, no };

struct FontChoice
{
    QString name;
    double size = 0;
};

class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // A message box titled with the application's title.
    virtual Answer message(const QString &text, Icon kind, Buttons set) = 0;
    virtual std::optional<FontChoice> pickFont(const FontChoice &start) = 0;
    virtual std::optional<QColor> pickColor(const QColor &start) = 0;
    // The chosen file name, or the empty text when the picker was cancelled.
    virtual QString saveFileName(const QString &title, const QString &filter,
                                 const QString &filename, const QString &folder) = 0;
    // The chosen existing file, or the empty text when the picker was cancelled.
    virtual QString openFileName(const QString &title, const QString &filter,
                                 const QString &folder) = 0;
};

// Answers every question yes and every picker with nothing, without showing anything: for
// programs that drive the windows unattended (benchmarks, screenshots).
class UnattendedDialogs : public Dialogs
{
public:
    Answer message(const QString &, Icon, Buttons set) override
    {
        return set == Buttons::yesno ? Answer::yes : Answer::ok;
    }
    std::optional<FontChoice> pickFont(const FontChoice &) override { return std::nullopt; }
    std::optional<QColor> pickColor(const QColor &) override { return std::nullopt; }
    QString saveFileName(const QString &, const QString &, const QString &,
                         const QString &) override
    {
        return QString();
    }
    QString openFileName(const QString &, const QString &, const QString &) override
    {
        return QString();
    }
};

class Launcher
{
public:
    virtual ~Launcher() = default;
    // Starts a program with its arguments, never through a shell; false when it cannot start.
    virtual bool start(const QString &program, const QStringList &arguments) = 0;
    virtual bool openUrl(const QUrl &address) = 0;
};

class Printer
{
public:
    virtual ~Printer() = default;
    // Prints the window's image on the default printer; false when there is none or it fails.
    virtual bool printImage(QWidget *window) = 0;
};

struct HttpResponse
{
    int status = 0; // the HTTP status code, 0 when no response arrived
    QByteArray body;
    QString error; // empty when the request itself succeeded
};

class Http
{
public:
    virtual ~Http() = default;
    // A GET that returns when the whole response is in, after timeoutMs, or once the body
    // grows beyond maxBytes. Synchronous: no other event of the program is handled meanwhile.
    virtual HttpResponse get(const QUrl &address, int timeoutMs, qint64 maxBytes) = 0;
};

class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() = 0;
};

class Random
{
public:
    virtual ~Random() = default;
    // Reseeds from the system clock.
    virtual void randomize() = 0;
    // A uniform value in [0, 1).
    virtual float rnd() = 0;
};

class Files
{
public:
    virtual ~Files() = default;
    // Replaces a file's content whole through a temporary file, or leaves the old file as it
    // was and throws platform::Error (io) naming the file.
    virtual void write(const QString &path, const QByteArray &bytes) = 0;
    void writeText(const QString &path, const QString &text) { write(path, text.toUtf8()); }
};

struct Version
{
    int major = 0, minor = 0, revision = 0;
};

class AppInfo
{
public:
    virtual ~AppInfo() = default;
    virtual QString programFolder() = 0;
    virtual QString title() = 0;
    virtual platform::Version version() = 0;
};

struct Services
{
    platform::Dialogs *dialogs = nullptr;
    platform::Launcher *launcher = nullptr;
    platform::Printer *printer = nullptr;
    platform::Http *http = nullptr;
    platform::Clock *clock = nullptr;
    platform::Random *random = nullptr;
    platform::AppInfo *appInfo = nullptr;
    platform::Files *files = nullptr;
    platform::Speaker *speaker = nullptr;
    platform::Phonetics *phonetics = nullptr;

    // The program folder followed by a stored relative path such as "\XML\gre.xml".
    QString programPath(const QString &stored) const;
};

} // namespace platform
