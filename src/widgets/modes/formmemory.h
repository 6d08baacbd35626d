// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/memoryrules.h"

#include <QWidget>
#include <array>

class QAbstractButton;
class QGroupBox;
class QLabel;
class QTimer;
class memorycard;
class Dictionary;
class DisplaySettings;
namespace platform {
struct Services;
}

// The memory game: eight words and their eight meanings face down on sixteen cards; the player
// turns two at a time to find the pairs, counted in attempts and seconds.
class FormMemory : public QWidget
{
    Q_OBJECT
public:
    FormMemory(const Dictionary &dictionary, const DisplaySettings &settings,
               platform::Services &services, QWidget *parent = nullptr);
    ~FormMemory() override;

    // Deals a new board, loading the window first when it is closed. The path is not used.
    void formload(const QString &path);

    void Label1_Click(int index);
    void Timer1_Timer();
    void Timer2_Timer();
    void Command1_Click(int index);
    void Command2_Click(int index);

    // The current deal and the counters outlive closing the window.
    memoryrules::dealt dealtwords, dealtmeanings;
    qint16 flippedcount = 0;
    qint16 secondcount = 0;

    QGroupBox *Frame1, *Frame2;
    std::array<memorycard *, memoryrules::cardcount> Label1;
    QLabel *Label2, *Label3, *Label4, *Label5;
    std::array<QAbstractButton *, 2> Command1;
    std::array<QAbstractButton *, 1> Command2;
    QTimer *Timer1, *Timer2;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createcontrols();
    void createcards();
    void createscore();
    void createbuttons();
    void load();
    void unload();
    void placecard(memorycard *card, qint16 left, qint16 top);
    void dealentries();
    bool faceup(int index) const;
    void countattempt();
    void newgame();
    void solve();

    bool loaded = false;
    const Dictionary &dictionary;
    const DisplaySettings &settings;
    platform::Services &services;
};

