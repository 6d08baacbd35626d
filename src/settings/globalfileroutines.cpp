// SPDX-License-Identifier: GPL-3.0-or-later
#include "globalfileroutines.h"

#include "../platform/error.h"
#include "../platform/paths.h"
#include "../platform/services.h"
#include "../platform/textfile.h"
#include "displaysettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Twelve lines of font names and numbers fit many times over; a larger file is read only this
// far, so that a huge or damaged file costs neither the memory nor the time of reading it.
constexpr qint64 settingsreadlimit = 64 * 1024;

QString settingspath(const QString &name)
{
    return platform::programpath(QStringLiteral("\\settings\\") + name);
}

// The start of the file up to its last complete line within the limit; the whole file when it
// is smaller. A line cut by the limit would be a wrong value, so it is left out altogether.
QString readsettingshead(const QString &name)
{
    const QString path = settingspath(name);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw vocabrix::error(vocabrix::error::io,
                              QStringLiteral("Cannot read %1: %2")
                                  .arg(QDir::toNativeSeparators(path), file.errorString()));
    QByteArray head = file.read(settingsreadlimit);
    if (!file.atEnd()) {
        const qsizetype lastline = head.lastIndexOf("\r\n");
        head.truncate(lastline < 0 ? 0 : lastline + 2);
    }
    return platform::decodetext(head);
}

} // namespace

QString readsettingsfile(const QString &name)
{
    return platform::readtext(settingspath(name));
}

bool loadsettings()
{
    QStringList lines;
    try {
        lines = readsettingshead(QStringLiteral("settings.ini")).split(QStringLiteral("\r\n"));
    } catch (const vocabrix::error &) {
        return false;
    }
    const auto settings = displaysettings::fileorder();
    for (size_t i = 0; i < settings.size(); ++i)
        *settings[i] = qsizetype(i) < lines.size() ? lines[qsizetype(i)] : QString();
    return displaysettings::usable(lines);
}

void writesettings(const QString &name, const QString &text)
{
    auto &dialogs = *platform::services().dialogs;
    if (dialogs.message(QStringLiteral("Update Color and Font Settings ?"),
                        platform::icon::question,
                        platform::buttons::okcancel) != platform::answer::ok)
        return;
    const QString path = settingspath(name);
    try {
        if (!QDir().mkpath(QFileInfo(path).absolutePath()))
            throw vocabrix::error(
                vocabrix::error::io,
                QStringLiteral("Cannot create the folder %1.")
                    .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath())));
        platform::writetext(path, text);
    } catch (const vocabrix::error &failure) {
        dialogs.message(QStringLiteral("The settings could not be saved. ") + failure.message(),
                        platform::icon::critical, platform::buttons::ok);
        return;
    }
    dialogs.message(QStringLiteral("Settings have been saved , They will be loaded the next "
                                   "time you start your program "),
                    platform::icon::information, platform::buttons::ok);
}
