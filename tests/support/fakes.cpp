// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes.h"

#include "platform/qtservices.h"
#include "platform/widgets/desktopservices.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <gtest/gtest.h>

namespace testsupport {

FakeDialogs::~FakeDialogs()
{
    for (const scripted &each : script)
        ADD_FAILURE() << "expected message box never shown: \"" << each.text.toStdString() << "\"";
    if (!fonts.empty() || !colors.empty() || !saveNames.empty() || !openNames.empty())
        ADD_FAILURE() << "a scripted picker was never opened";
}

platform::Answer FakeDialogs::message(const QString &text, platform::Icon kind,
                                      platform::Buttons set)
{
    shown.push_back({text, kind});
    if (onShow)
        onShow(shown.back());
    const bool matches =
        !script.empty() &&
        (script.front().start ? text.startsWith(script.front().text) : text == script.front().text);
    if (!matches) {
        ADD_FAILURE() << "unexpected message box: \"" << text.toStdString() << "\""
                      << (script.empty()
                              ? std::string()
                              : " (expected \"" + script.front().text.toStdString() + "\")");
        return set == platform::Buttons::yesno ? platform::Answer::no : platform::Answer::cancel;
    }
    const platform::Answer reply = script.front().reply;
    script.pop_front();
    return reply;
}

QString FakeDialogs::saveFileName(const QString &title, const QString &filter,
                                  const QString &filename, const QString &folder)
{
    saveRequests.push_back({title, filter, filename, folder});
    return take(saveNames, "save");
}

bool FakePrinter::printImage(QWidget *window)
{
    if (!works || !window)
        return false;
    const QString file =
        QDir(folder).filePath(QStringLiteral("print%1.pdf").arg(printed.size() + 1));
    QPrinter device(QPrinter::HighResolution);
    device.setOutputFormat(QPrinter::PdfFormat);
    device.setOutputFileName(file);
    if (!platform::paintWindowImage(window, device))
        return false;
    printed.push_back(file);
    return true;
}

float FakeRandom::rnd()
{
    if (values.empty())
        return std::uniform_real_distribution<float>(0.0f, 0.999f)(fallback);
    const float value = values.front();
    values.pop_front();
    return value;
}

FakeServices::FakeServices()
{
    EXPECT_TRUE(root.isValid());
    appInfo.folder = root.path() + QStringLiteral("/program");
    printer.folder = root.path() + QStringLiteral("/printed");
    for (const char *folder : {"program/XML", "program/settings", "program/Logs", "printed"})
        QDir(root.path()).mkpath(QLatin1String(folder));
    http = platform::makeQtHttp();
    set = {&dialogs, &launcher, &printer, http.get(), &clock, &random, &appInfo, &files};
    set.speaker = &speaker;
    set.phonetics = &phonetics;
}

QString FakeServices::path(const QString &relative) const
{
    return QDir(appInfo.folder).filePath(relative);
}

void FakeServices::write(const QString &relative, const QByteArray &bytes) const
{
    QFile file(path(relative));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << relative.toStdString();
    file.write(bytes);
}

QByteArray FakeServices::read(const QString &relative) const
{
    QFile file(path(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray flatXml(const std::vector<entry> &entries)
{
    QString text = "<GRE>\r\n";
    for (const entry &each : entries)
        text += QStringLiteral("<word>%1</word>\r\n<meaning>%2</meaning>\r\n<usage>%3</usage>\r\n")
                    .arg(each.word, each.meaning, each.usage);
    return (text + "</GRE>\r\n\r\n").toUtf8();
}

QByteArray defaultSettings()
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
    *out << '{' << (list.isEmpty() ? "" : '"' + list.join("\", \"").toStdString() + '"') << '}';
}
