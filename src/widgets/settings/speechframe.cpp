// SPDX-License-Identifier: GPL-3.0-or-later
#include "speechframe.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QSlider>
#include <algorithm>

using namespace core;

namespace widgets {

SpeechFrame::SpeechFrame(QWidget *parent) : QGroupBox(tr("Speech"), parent)
{
    setObjectName(QStringLiteral("speechFrame"));
    auto *layout = new QFormLayout(this);
    automatic = new QCheckBox(tr("Sa&y the word when a card shows"));
    automatic->setObjectName(QStringLiteral("speakAutomatically"));
    voice = new QComboBox;
    voice->setObjectName(QStringLiteral("voiceChoice"));
    voice->setAccessibleName(tr("Voice"));
    rate = new QSlider(Qt::Horizontal);
    rate->setObjectName(QStringLiteral("speechRate"));
    rate->setAccessibleName(tr("Speaking rate"));
    rate->setRange(SpeechOptions::slowest, SpeechOptions::fastest);
    rate->setTickPosition(QSlider::TicksBelow);
    rate->setTickInterval(5);
    rate->setToolTip(tr("Slower to the left, faster to the right"));
    note = new QLabel;
    note->setObjectName(QStringLiteral("speechNote"));
    note->setWordWrap(true);
    note->setVisible(false);
    layout->addRow(automatic);
    layout->addRow(tr("&Voice:"), voice);
    layout->addRow(tr("R&ate:"), rate); // R is the study frame's retention
    layout->addRow(note);
    setVoices({}, QString());
}

void SpeechFrame::setSettings(const SpeechOptions &settings)
{
    automatic->setChecked(settings.speakAutomatically);
    rate->setValue(settings.rate);
    // A voice the engine has not listed yet is kept as it was chosen.
    if (!settings.voice.isEmpty() && voice->findData(settings.voice) < 0)
        voice->addItem(settings.voice, settings.voice);
    voice->setCurrentIndex(std::max(0, voice->findData(settings.voice)));
}

void SpeechFrame::setVoices(const QStringList &voices, const QString &reason)
{
    const QString current = voice->currentData().toString();
    voice->clear();
    voice->addItem(tr("English (the engine's own)"), QString());
    for (const QString &name : voices)
        voice->addItem(name, name);
    if (!current.isEmpty() && voice->findData(current) < 0)
        voice->addItem(current, current);
    voice->setCurrentIndex(std::max(0, voice->findData(current)));
    note->setText(reason);
    note->setVisible(!reason.isEmpty());
}

SpeechOptions SpeechFrame::settings() const
{
    SpeechOptions result;
    result.speakAutomatically = automatic->isChecked();
    result.voice = voice->currentData().toString();
    result.rate = rate->value();
    return result;
}

} // namespace widgets
