// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/pronunciations.h"
#include "core/speechsettings.h"

#include <QObject>
#include <QPointer>
#include <QSet>
#include <optional>
#include <vector>

class QAction;
class QLabel;
class QToolButton;
class QWidget;
namespace core {
class Dictionary;
}
namespace platform {
struct Services;
class Speaker;
} // namespace platform

namespace widgets {

// The words heard and their IPA, for every window that shows a word: said as the learner's
// speech settings say, the engine's availability shown on the controls that speak, and the
// transcriptions (the dictionary's own list, then the program's store of those espeak-ng made).
// Nothing here starts before a window asks for it. One a program: it takes the speaker's changed
// callback.
class Speech : public QObject
{
    Q_OBJECT
public:
    Speech(const core::Dictionary &dictionary, const core::SpeechSettings &settings,
           platform::Services &services, QObject *parent = nullptr);
    ~Speech() override;

    platform::Speaker &speaker();
    // Starts the engine in the background, for a window that speaks and is shown.
    void prepare();
    // Says the text in the chosen voice and pace; nothing when speech does not work here.
    void say(const QString &text);
    // A card shows the word: it is said when the learner asked for that.
    void cardShown(const QString &word);

    // A button that says something, kept enabled while speech may work; when it cannot, it is
    // disabled and its tooltip says why and what to install.
    QToolButton *makeButton(const QString &name, const QString &tooltip, QWidget *parent = nullptr);
    void follow(QAction *action, const QString &tooltip);

    // The word's IPA ("/ipa/"), empty while it is not known: the label shows it, or nothing.
    QString pronunciation(const QString &word);
    void showPronunciation(QLabel *label, const QString &word);

signals:
    void availabilityChanged();
    // A transcription made in the background arrived for the word.
    void pronunciationFound(const QString &word);

private:
    struct Control
    {
        QPointer<QObject> control;
        QString tooltip;
    };
    void showAvailability();
    void transcribed(const QHash<QString, QString> &found);
    QString storePath() const;

    const core::Dictionary &dictionary;
    // The voice, the pace and whether a card says its word, as the learner set them.
    const core::SpeechSettings &settings;
    platform::Services &services;
    std::vector<Control> controls;
    core::Pronunciations shipped, made;
    std::optional<QString> shippedFor;
    bool madeRead = false;
    QSet<QString> asked;
};

} // namespace widgets
