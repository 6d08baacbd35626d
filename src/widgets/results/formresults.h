// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <array>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class AnswerLog;
namespace platform {
struct Services;
}

// The answer log of the running program: shown, printed and saved from here. The log grows
// whether or not the window is shown.
class FormResults : public QMainWindow
{
    Q_OBJECT
public:
    FormResults(AnswerLog &log, platform::Services &services, QWidget *parent = nullptr);

    void Command1_Click();
    void Command2_Click(int index);
    void mnuSave_Click();
    void mnuprint_Click();

    QGroupBox *Frame1;
    QLabel *Label1;
    QPlainTextEdit *Text1;
    std::array<QPushButton *, 2> Command2;
    QPushButton *Command1;
    QMenu *mnuFile;
    QAction *mnuSave, *mnuprint;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void setbackground(const QColor &color);
    void unload();

    AnswerLog &log;
    platform::Services &services;
};
