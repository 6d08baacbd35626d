// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>

class QAbstractButton;
class QGroupBox;
class QTextEdit;
class QTimer;
class Dictionary;
class DisplaySettings;
namespace platform {
struct Services;
}

// The flash card window: one word at a time, its meaning hidden until asked for, stepping
// through the list by hand or every 1.5 seconds by itself.
class FormFlash : public QWidget
{
    Q_OBJECT
public:
    FormFlash(const Dictionary &dictionary, const DisplaySettings &settings,
              platform::Services &services, QWidget *parent = nullptr);
    ~FormFlash() override;

    // Shows a random word of the review range and the window. The path is not used.
    void formload(const QString &path);

    void Command2_Click(int index);
    void Timer1_Timer();

    // The position of the word shown; it outlives closing the window.
    int flashposition = 0;

    QGroupBox *Frame1;
    std::array<QTextEdit *, 2> Text1;
    // Members 1 to 4 and 6 to 8; there is no member 0 or 5.
    std::array<QAbstractButton *, 9> Command2{};
    QTimer *Timer1;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createcontrols();
    void load();
    void unload();
    void showword();
    void netsearch();

    bool loaded = false;
    const Dictionary &dictionary;
    const DisplaySettings &settings;
    platform::Services &services;
};

