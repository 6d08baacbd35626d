// SPDX-License-Identifier: GPL-3.0-or-later
#include "speechsettings.h"

#include "platform/services.h"
#include "platform/textfile.h"

#include <QFileInfo>
#include <QStringList>

namespace {

const QString automaticKey = QStringLiteral("speak_automatically");
const QString voiceKey = QStringLiteral("voice");
const QString rateKey = QStringLiteral("rate");

} // namespace

SpeechSettings speechSettingsFromText(const QString &text)
{
    SpeechSettings settings;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        bool ok = false;
        if (key == automaticKey) {
            if (value == QLatin1String("yes") || value == QLatin1String("no"))
                settings.speakAutomatically = value == QLatin1String("yes");
        } else if (key == voiceKey) {
            settings.voice = value;
        } else if (key == rateKey) {
            const int rate = value.toInt(&ok);
            if (ok && rate >= SpeechSettings::slowest && rate <= SpeechSettings::fastest)
                settings.rate = rate;
        }
    }
    return settings;
}

SpeechSettings readSpeechSettings(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return {};
    try {
        return speechSettingsFromText(platform::readtext(path));
    } catch (const std::exception &) {
        return {};
    }
}

QString speechSettingsText(const SpeechSettings &settings)
{
    // A voice name with a line break would break the file; such a name is not kept.
    const QString voice =
        settings.voice.contains(QLatin1Char('\n')) || settings.voice.contains(QLatin1Char('\r'))
            ? QString()
            : settings.voice.trimmed();
    const QStringList lines{automaticKey + QLatin1Char('=') +
                                QLatin1String(settings.speakAutomatically ? "yes" : "no"),
                            voiceKey + QLatin1Char('=') + voice,
                            rateKey + QLatin1Char('=') + QString::number(settings.rate)};
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

void writeSpeechSettings(platform::files &files, const QString &path,
                         const SpeechSettings &settings)
{
    files.writeText(path, speechSettingsText(settings));
}
