// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/flashcards.h"

#include <QWidget>

class QAbstractButton;
class QGroupBox;
class QLabel;
class QToolButton;
class QTextEdit;
class QTimer;
namespace core {
class Dictionary;
}
namespace core {
class DisplaySettings;
}
namespace platform {
struct Services;
}

namespace widgets {

class Speech;

// The flash card window: shows the flash cards' word and, when revealed, its meaning, and
// steps through the list by hand or every 1.5 seconds by itself; the word's IPA under it, F5
// says the word and Shift+F5 its usage.
class FormFlash : public QWidget
{
    Q_OBJECT
public:
    FormFlash(const core::Dictionary &dictionary, const core::DisplaySettings &settings,
              platform::Services &services, Speech &speech, QWidget *parent = nullptr);
    ~FormFlash() override;

    // Shows a random word of the review range and the window. The path is not used.
    void load(const QString &path);

    const core::FlashCards &flashCards() const { return cards; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void createButtons();
    void applyStyle();
    void showWord();
    void showMeaning();
    void netSearch();
    void toggleAutoMode();
    void createSpeech();

    const core::Dictionary &dictionary;
    const core::DisplaySettings &settings;
    platform::Services &services;
    Speech &speech;
    core::FlashCards cards;
    bool styled = false;

    QGroupBox *frame = nullptr;
    QTextEdit *wordBox = nullptr, *meaningBox = nullptr;
    QAbstractButton *autoButton = nullptr;
    QLabel *ipaLabel = nullptr;
    QToolButton *speakButton = nullptr;
    QTimer *timer = nullptr;
};

} // namespace widgets
