// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/services.h"

#include <QMainWindow>

class QAction;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class Dictionary;

// The current dictionary file as raw XML. Saving rewrites it in the program's own layout from
// the word, meaning and usage elements of the text, and only when the text can be read back.
class FormEdit : public QMainWindow
{
    Q_OBJECT
public:
    FormEdit(const Dictionary &dictionary, platform::Services &services, QWidget *parent = nullptr);

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

    const Dictionary &dictionary;
    platform::Services &services;
};
