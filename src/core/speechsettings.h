// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace platform {
class files;
}

// How words are said: whether a card says its word when it shows, in which voice and how fast.
struct SpeechSettings
{
    static constexpr int slowest = -10, fastest = 10;

    bool speakAutomatically = false;
    QString voice; // empty: the engine's English voice
    int rate = 0;  // slowest..fastest, 0 the engine's normal pace

    // The rate as the engine takes it, -1 to 1.
    double engineRate() const { return rate / double(fastest); }
    bool operator==(const SpeechSettings &) const = default;
};

// Lines "key=value" (speak_automatically, voice, rate). A missing or damaged file, or a damaged
// value, gives the defaults for what cannot be read.
SpeechSettings readSpeechSettings(const QString &path);
SpeechSettings speechSettingsFromText(const QString &text);
QString speechSettingsText(const SpeechSettings &settings);
// Throws vocabrix::error (io) and leaves the old file whole when it cannot be written.
void writeSpeechSettings(platform::files &files, const QString &path,
                         const SpeechSettings &settings);
