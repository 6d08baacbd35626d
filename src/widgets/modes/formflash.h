// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/flashcards.h"

#include <QWidget>

class QAbstractButton;
class QGroupBox;
class QTextEdit;
class QTimer;
class Dictionary;
class DisplaySettings;
namespace platform {
struct Services;
}

// The flash card window: shows the flash cards' word and, when revealed, its meaning, and
// steps through the list by hand or every 1.5 seconds by itself.
class FormFlash : public QWidget
{
    Q_OBJECT
public:
    FormFlash(const Dictionary &dictionary, const DisplaySettings &settings,
              platform::Services &services, QWidget *parent = nullptr);
    ~FormFlash() override;

    // Shows a random word of the review range and the window. The path is not used.
    void load(const QString &path);

    const FlashCards &flashCards() const { return cards; }

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

    const DisplaySettings &settings;
    platform::Services &services;
    FlashCards cards;
    bool styled = false;

    QGroupBox *frame = nullptr;
    QTextEdit *wordBox = nullptr, *meaningBox = nullptr;
    QAbstractButton *autoButton = nullptr;
    QTimer *timer = nullptr;
};
