// SPDX-License-Identifier: GPL-3.0-or-later
// Speech through Qt TextToSpeech. Built into the module the program loads the first time
// something is to be said (DeferredSpeaker), so that the start does not pay for it. The engine
// lives on a thread of its own: starting one can take seconds (speech-dispatcher is spawned on
// demand), and the windows must not wait for it.

#include "speaker.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTextToSpeech>
#include <QThread>
#include <QVoice>
#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

namespace platform {

namespace {

// flite is quick to start, has English voices only and says when there is no sound device;
// speech-dispatcher speaks every language but starts slowly.
QString chooseEngine(const QStringList &engines)
{
    for (const char *preferred : {"flite", "speechd"}) {
        if (engines.contains(QLatin1String(preferred)))
            return QLatin1String(preferred);
    }
    return engines.value(0);
}

// The English locale closest to American English, or none.
std::optional<QLocale> englishLocale(const QList<QLocale> &locales)
{
    std::optional<QLocale> best;
    for (const QLocale &locale : locales) {
        if (locale.language() != QLocale::English)
            continue;
        if (!best || locale.territory() == QLocale::UnitedStates)
            best = locale;
    }
    return best;
}

// An engine's message without its full stop, to stand inside one of ours.
QString sentence(QString text)
{
    text = text.trimmed();
    while (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

// What the engine's thread works with. The work posted to that thread shares it, so that an
// engine still starting when the speaker is destroyed (at the end of the run) finds it whole.
struct EngineState
{
    std::unique_ptr<QTextToSpeech> engine;
    QString spoken;
    bool ownPaceOnly = false;
    std::atomic<bool> ending = false;
    // Hands a finding to the thread that made the speaker.
    std::function<void(Speaker::State, QString, QStringList, QString)> report;

    void start(QObject *context)
    {
        const QStringList engines = QTextToSpeech::availableEngines();
        if (engines.isEmpty())
            return report(
                Speaker::State::unavailable,
                QCoreApplication::translate("platform", "No speech engine is installed.") +
                    QLatin1Char(' ') + speechPackages(),
                {}, {});
        const QString chosen = chooseEngine(engines);
        engine = std::make_unique<QTextToSpeech>(chosen);
        if (engine->state() == QTextToSpeech::Error)
            return failed(engine->errorString());
        if (const auto english = englishLocale(engine->availableLocales()))
            engine->setLocale(*english);
        QList<QVoice> found = engine->availableVoices();
        std::stable_partition(found.begin(), found.end(), [](const QVoice &voice) {
            return voice.locale().language() == QLocale::English;
        });
        if (found.isEmpty())
            return report(
                Speaker::State::unavailable,
                QCoreApplication::translate("platform", "The speech engine %1 has no voice.")
                        .arg(chosen) +
                    QLatin1Char(' ') + speechPackages(),
                {}, {});
        QStringList names;
        for (const QVoice &voice : std::as_const(found))
            names << voice.name();
        const QString initial =
            names.contains(engine->voice().name()) ? engine->voice().name() : names[0];
        QObject::connect(engine.get(), &QTextToSpeech::errorOccurred, context,
                         [this](QTextToSpeech::ErrorReason, const QString &text) {
                             // flite in Qt 6.4 fails to play some paces other than its own
                             // ("Audio streaming error"): the word is said again at its own
                             // pace, and so is every later one.
                             if (!ownPaceOnly && engine->rate() != 0) {
                                 ownPaceOnly = true;
                                 return speak(spoken, QString(), 0);
                             }
                             failed(text);
                         });
        report(Speaker::State::ready, QString(), names, initial);
    }

    void speak(const QString &text, const QString &voice, double rate)
    {
        if (!engine || engine->state() == QTextToSpeech::Error)
            return;
        const QString wanted = voice.isEmpty() ? engine->voice().name() : voice;
        if (engine->voice().name() != wanted) {
            for (const QVoice &each : engine->availableVoices()) {
                if (each.name() == wanted)
                    engine->setVoice(each);
            }
        }
        engine->setRate(ownPaceOnly ? 0 : std::clamp(rate, -1.0, 1.0));
        if (engine->state() == QTextToSpeech::Speaking)
            engine->stop();
        spoken = text;
        engine->say(text);
    }

    void failed(const QString &text)
    {
        report(Speaker::State::unavailable,
               QCoreApplication::translate("platform", "Speech does not work here: %1.")
                       .arg(sentence(text)) +
                   QLatin1Char(' ') + speechPackages(),
               {}, {});
    }
};

class QtSpeaker : public Speaker
{
public:
    QtSpeaker() : home(std::make_unique<QObject>()), shared(std::make_shared<EngineState>())
    {
        shared->report = [this, to = home.get(), weak = std::weak_ptr<EngineState>(shared)](
                             State now, QString text, QStringList list, QString initial) {
            const std::shared_ptr<EngineState> alive = weak.lock();
            if (!alive || alive->ending)
                return;
            QMetaObject::invokeMethod(to, [this, alive, now, text, list, initial] {
                if (alive->ending)
                    return;
                current = now;
                why = text;
                if (now == State::ready) {
                    names = list;
                    fallback = initial;
                }
                if (changed)
                    changed();
            });
        };
    }

    ~QtSpeaker() override
    {
        if (!worker)
            return;
        shared->ending = true;
        // The engine ends on its own thread, after what was asked of it before.
        post([context = context](EngineState &engine) {
            engine.engine.reset();
            context->deleteLater();
            QThread::currentThread()->quit();
        });
        // An engine still starting is left to the end of the process rather than waited for;
        // what its thread may still touch is left with it.
        if (!worker->wait(3000)) {
            (void)worker.release();
            (void)home.release();
        }
    }

    State availability() override { return current; }
    QString reason() override { return why; }
    void prepare() override { start(); }
    QStringList voices() override { return names; }
    QString defaultVoice() override { return fallback; }

    void say(const QString &text, const QString &voice, double rate) override
    {
        start();
        if (current != State::unavailable)
            post([=](EngineState &engine) { engine.speak(text, voice, rate); });
    }

    void stop() override
    {
        if (worker)
            post([](EngineState &engine) {
                if (engine.engine)
                    engine.engine->stop();
            });
    }

private:
    void start()
    {
        if (worker)
            return;
        worker.reset(new QThread);
        worker->setObjectName(QStringLiteral("speech"));
        context = new QObject;
        context->moveToThread(worker.get());
        worker->start();
        post([context = context](EngineState &engine) { engine.start(context); });
    }

    // Runs work on the engine's thread.
    template <typename Work> void post(Work work)
    {
        QMetaObject::invokeMethod(context, [shared = shared, work] { work(*shared); });
    }

    // On the thread that made the speaker.
    std::unique_ptr<QObject> home;
    State current = State::unknown;
    QString why, fallback;
    QStringList names;
    std::unique_ptr<QThread> worker;
    std::shared_ptr<EngineState> shared;
    QObject *context = nullptr; // lives on the engine's thread
};

} // namespace

} // namespace platform

// The entry point of the module.
extern "C" Q_DECL_EXPORT platform::Speaker *vocabrixMakeSpeaker()
{
    return new platform::QtSpeaker;
}
