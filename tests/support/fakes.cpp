// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes.h"

#include "platform/qtservices.h"
#include "platform/widgets/desktopservices.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <gtest/gtest.h>

namespace testsupport {

fakedialogs::~fakedialogs()
{
    for (const scripted &each : script)
        ADD_FAILURE() << "expected message box never shown: \"" << each.text.toStdString() << "\"";
    if (!fonts.empty() || !colors.empty() || !savenames.empty() || !opennames.empty())
        ADD_FAILURE() << "a scripted picker was never opened";
}

platform::answer fakedialogs::message(const QString &text, platform::icon kind,
                                      platform::buttons set)
{
    shown.push_back({text, kind});
    if (onshow)
        onshow(shown.back());
    const bool matches =
        !script.empty() &&
        (script.front().start ? text.startsWith(script.front().text) : text == script.front().text);
    if (!matches) {
        ADD_FAILURE() << "unexpected message box: \"" << text.toStdString() << "\""
                      << (script.empty()
                              ? std::string()
                              : " (expected \"" + script.front().text.toStdString() + "\")");
        return set == platform::buttons::yesno ? platform::answer::no : platform::answer::cancel;
    }
    const platform::answer reply = script.front().reply;
    script.pop_front();
    return reply;
}

namespace {

// The next scripted reply of a picker; a picker nobody expected fails the test.
template <typename T> T take(std::deque<T> &replies, const char *picker)
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

} // namespace

std::optional<platform::fontchoice> fakedialogs::pickfont(const platform::fontchoice &)
{
    return take(fonts, "font");
}

std::optional<QColor> fakedialogs::pickcolor(const QColor &)
{
    return take(colors, "colour");
}

QString fakedialogs::savefilename(const QString &title, const QString &filter,
                                  const QString &filename, const QString &folder)
{
    saverequests.push_back({title, filter, filename, folder});
    return take(savenames, "save");
}

QString fakedialogs::openfilename(const QString &, const QString &, const QString &)
{
    return take(opennames, "open");
}

bool fakeprinter::printimage(QWidget *window)
{
    if (!works || !window)
        return false;
    const QString file =
        QDir(folder).filePath(QStringLiteral("print%1.pdf").arg(printed.size() + 1));
    QPrinter device(QPrinter::HighResolution);
    device.setOutputFormat(QPrinter::PdfFormat);
    device.setOutputFileName(file);
    if (!platform::paintwindowimage(window, device))
        return false;
    printed.push_back(file);
    return true;
}

float fakerandom::rnd()
{
    if (!values.empty()) {
        const float value = values.front();
        values.pop_front();
        return value;
    }
    return std::uniform_real_distribution<float>(0.0f, 0.999f)(fallback);
}

fakeservices::fakeservices()
{
    EXPECT_TRUE(root.isValid());
    appinfo.folder = root.path() + QStringLiteral("/program");
    printer.folder = root.path() + QStringLiteral("/printed");
    for (const char *folder : {"program/XML", "program/settings", "program/Logs", "printed"})
        QDir(root.path()).mkpath(QLatin1String(folder));
    http = platform::makeQtHttp();
    set = {&dialogs, &launcher, &printer, http.get(), &clock, &random, &appinfo, &files};
    set.speaker = &speaker;
    set.phonetics = &phonetics;
}

QString fakeservices::path(const QString &relative) const
{
    return QDir(appinfo.folder).filePath(relative);
}

void fakeservices::write(const QString &relative, const QByteArray &bytes) const
{
    QFile file(path(relative));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << relative.toStdString();
    file.write(bytes);
}

QByteArray fakeservices::read(const QString &relative) const
{
    QFile file(path(relative));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray flatxml(const std::vector<entry> &entries)
{
    QByteArray text = "<GRE>\r\n";
    for (const entry &each : entries) {
        text += "<word>" + each.word.toUtf8() + "</word>\r\n";
        text += "<meaning>" + each.meaning.toUtf8() + "</meaning>\r\n";
        text += "<usage>" + each.usage.toUtf8() + "</usage>\r\n";
    }
    return text + "</GRE>\r\n\r\n";
}

QByteArray defaultsettings()
{
    return "0\r\nArial\r\n36\r\n0\r\nArial\r\n14\r\n0\r\nBook Antiqua\r\n12\r\n0\r\nArial\r\n24";
}

} // namespace testsupport

void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

void PrintTo(const QStringList &list, std::ostream *out)
{
    *out << '{';
    for (qsizetype i = 0; i < list.size(); ++i)
        *out << (i ? ", \"" : "\"") << list[i].toStdString() << '"';
    *out << '}';
}
