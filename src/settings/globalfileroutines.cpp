#include "globalfileroutines.h"

#include "../platform/error.h"
#include "../platform/paths.h"
#include "../platform/services.h"
#include "../platform/textfile.h"
#include "displaysettings.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString settingspath(const QString &name)
{
    return platform::programpath(QStringLiteral("\\settings\\") + name);
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
        lines = readsettingsfile(QStringLiteral("settings.ini")).split(QStringLiteral("\r\n"));
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
