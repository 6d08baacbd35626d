// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <array>

class QAbstractButton;
class QAction;
class QMenu;
class QPlainTextEdit;
class Dictionary;
namespace platform {
struct Services;
}

// The whole word list as text, one entry a line, ready to print.
class FormList : public QMainWindow
{
    Q_OBJECT
public:
    FormList(const Dictionary &dictionary, platform::Services &services,
             QWidget *parent = nullptr);
    ~FormList() override;

    // Builds the list from the word list now loaded, says so, then shows the window.
    void showwordlist();

    void Command2_Click(int index);
    void mnuprint_Click();

    QPlainTextEdit *Text1;
    std::array<QAbstractButton *, 2> Command2;
    QMenu *mnufile;
    QAction *mnuprint;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    const Dictionary &dictionary;
    platform::Services &services;
};

