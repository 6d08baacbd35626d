// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/speechsettings.h"

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QLabel;
class QSlider;

namespace widgets {

// The Options dialog's Speech frame: whether a card says its word when it shows, the voice and
// the pace; why speech does not work here, when it does not.
class SpeechFrame : public QGroupBox
{
    Q_OBJECT
public:
    explicit SpeechFrame(QWidget *parent = nullptr);

    void setSettings(const core::SpeechOptions &settings);
    // The engine's voices (empty while it starts) and why speech does not work, if it does not.
    void setVoices(const QStringList &voices, const QString &reason);
    core::SpeechOptions settings() const;

private:
    QCheckBox *automatic;
    QComboBox *voice;
    QSlider *rate;
    QLabel *note;
};

} // namespace widgets
