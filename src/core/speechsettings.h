// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <optional>

namespace platform {
class Files;
}

namespace core {

// How words are said: whether a card says its word when it shows, in which voice and how fast.
struct SpeechOptions
{
    static constexpr int slowest = -10, fastest = 10;

    bool speakAutomatically = false;
    QString voice; // empty: the engine's English voice
    int rate = 0;  // slowest..fastest, 0 the engine's normal pace

    // The rate as the engine takes it, -1 to 1.
    double engineRate() const { return rate / double(fastest); }
    bool operator==(const SpeechOptions &) const = default;
};

// Lines "key=value" (speak_automatically, voice, rate). A missing or damaged file, or a damaged
// value, gives the defaults for what cannot be read.
SpeechOptions readSpeechSettings(const QString &path);
SpeechOptions speechSettingsFromText(const QString &text);
QString speechSettingsText(const SpeechOptions &options);
// Throws platform::Error (io) and leaves the old file whole when it cannot be written.
void writeSpeechSettings(platform::Files &files, const QString &path, const SpeechOptions &options);

// The speech settings in force and the one writer of their file (settings/speech.txt). The file
// is read the first time they are asked for, not at start-up.
class SpeechSettings : public QObject
{
    Q_OBJECT
public:
    SpeechSettings(platform::Files &files, QString path, QObject *parent = nullptr);

    const SpeechOptions &options() const;
    // Writes changed options to the file, making its folder when missing, and puts them in
    // force (changed). Throws platform::Error (io) and keeps the file and the options in force
    // as they were when it cannot be written.
    void save(const SpeechOptions &chosen);

signals:
    void changed();

private:
    platform::Files &files;
    QString path;
    mutable std::optional<SpeechOptions> current;
};

} // namespace core
