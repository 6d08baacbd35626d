// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Speech: the word said aloud by a speech engine, and its IPA transcription from a program run
// as a separate process. Both are optional on a desktop, so each says whether it can work.

#include <QCoreApplication>
#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>

namespace platform {

class Speaker
{
public:
    enum class State { unknown, ready, unavailable };

    virtual ~Speaker() = default;
    // What is known so far, without starting anything: unknown until the engine was started.
    virtual State availability() = 0;
    // Why speech does not work and what to install; empty unless unavailable.
    virtual QString reason() = 0;
    // Starts the engine in the background when it is not started yet; changed is called once
    // it is ready or found missing.
    virtual void prepare() = 0;
    // The voices' names, English ones first; empty until ready.
    virtual QStringList voices() = 0;
    // An English voice, the one used when none is asked for.
    virtual QString defaultVoice() = 0;
    // Says the text in the background, cutting off what was being said; prepares first when
    // needed. An unknown or empty voice is the default one; the rate is -1 (slow) to 1 (fast).
    virtual void say(const QString &text, const QString &voice, double rate) = 0;
    virtual void stop() = 0;

    // Called on the thread that made the speaker when the availability or the voices change.
    std::function<void()> changed;
};

class Phonetics
{
public:
    virtual ~Phonetics() = default;
    // Whether the transcribing program is installed.
    virtual bool available() = 0;
    // Transcribes words in the background; done is called later on this thread with the IPA
    // ("/ipa/") of each word that was transcribed, nothing for a failure or a time-out.
    virtual void transcribe(const QStringList &words,
                            std::function<void(const QHash<QString, QString> &)> done) = 0;
};

// What to install for speech to work, for the messages that say why it does not.
inline QString speechPackages()
{
    return QCoreApplication::translate(
        "platform",
        "To hear the words, install qt6-speech-flite-plugin (or qt6-speech-speechd-plugin "
        "with speech-dispatcher-espeak-ng) and a sound server.");
}

} // namespace platform
