// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/services.h"

#include <QMainWindow>

class QAction;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class Dictionary;

// The current dictionary file as raw XML. Saving hands the word, meaning and usage elements of
// the text to the dictionary, which writes them in the program's own layout and holds them from
// then on; only a text that can be read back is saved.
class FormEdit : public QMainWindow
{
    Q_OBJECT
public:
    FormEdit(Dictionary &dictionary, platform::Services &services, QWidget *parent = nullptr);

    // Warns, reads the file and shows the window.
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void mnusave_Click();
    void mnuexit_Click();
    void savefile(QPlainTextEdit *passcomponent);

    QPlainTextEdit *Text1;
    QPushButton *Command2, *Command1;
    QMenu *mnufile;
    QAction *mnusave, *mnuexit;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void tell(const QString &text, platform::icon kind);

    Dictionary &dictionary;
    platform::Services &services;
};
