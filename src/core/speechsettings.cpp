// SPDX-License-Identifier: GPL-3.0-or-later
#include "speechsettings.h"

#include "platform/services.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFileInfo>
#include <utility>

namespace core {

namespace {

const QString automaticKey = QStringLiteral("speak_automatically");
const QString voiceKey = QStringLiteral("voice");
const QString rateKey = QStringLiteral("rate");

} // namespace

namespace {

SpeechOptions fromPairs(const platform::KeyValues &pairs)
{
    SpeechOptions settings;
    for (const auto &[key, value] : pairs) {
        bool ok = false;
        if (key == automaticKey) {
            if (value == QLatin1String("yes") || value == QLatin1String("no"))
                settings.speakAutomatically = value == QLatin1String("yes");
        } else if (key == voiceKey) {
            settings.voice = value;
        } else if (key == rateKey) {
            const int rate = value.toInt(&ok);
            if (ok && rate >= SpeechOptions::slowest && rate <= SpeechOptions::fastest)
                settings.rate = rate;
        }
    }
    return settings;
}

} // namespace

SpeechOptions speechSettingsFromText(const QString &text)
{
    return fromPairs(platform::keyValuesFromText(text));
}

SpeechOptions readSpeechSettings(const QString &path)
{
    return fromPairs(platform::readKeyValues(path));
}

QString speechSettingsText(const SpeechOptions &settings)
{
    // A voice name with a line break would break the file; such a name is not kept.
    const QString voice =
        settings.voice.contains(QLatin1Char('\n')) || settings.voice.contains(QLatin1Char('\r'))
            ? QString()
            : settings.voice.trimmed();
    return platform::keyValueText(
        {{automaticKey, QLatin1String(settings.speakAutomatically ? "yes" : "no")},
         {voiceKey, voice},
         {rateKey, QString::number(settings.rate)}});
}

void writeSpeechSettings(platform::Files &files, const QString &path, const SpeechOptions &options)
{
    files.writeText(path, speechSettingsText(options));
}

SpeechSettings::SpeechSettings(platform::Files &files, QString path, QObject *parent)
    : QObject(parent), files(files), path(std::move(path))
{
}

const SpeechOptions &SpeechSettings::options() const
{
    if (!current)
        current = readSpeechSettings(path);
    return *current;
}

void SpeechSettings::save(const SpeechOptions &chosen)
{
    if (chosen == options())
        return;
    QDir().mkpath(QFileInfo(path).absolutePath());
    writeSpeechSettings(files, path, chosen);
    current = chosen;
    emit changed();
}

} // namespace core
