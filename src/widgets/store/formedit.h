// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/services.h"

#include <QMainWindow>

class QAction;
class QMenu;
class QPlainTextEdit;
class QPushButton;
namespace core {
class Dictionary;
}
namespace widgets {

// The current dictionary file as raw XML. Saving hands the word, meaning and usage elements of
// the text to the dictionary, which writes them in the program's own layout and holds them from
// then on; only a text that can be read back is saved. Another dictionary loaded while the
// editor is open is what it shows from then on, so that a save never writes one list's text
// over another's file.
class FormEdit : public QMainWindow
{
    Q_OBJECT
public:
    FormEdit(core::Dictionary &dictionary, platform::Services &services, QWidget *parent = nullptr);

    // Warns, reads the file and shows the window.
    void open();
    void save();
    void discardAndHide();
    void saveFile(QPlainTextEdit *passComponent);

    QPlainTextEdit *xmlBox;
    QPushButton *saveButton, *cancelButton;
    QMenu *fileMenu;
    QAction *saveAction, *exitAction;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // The current file's text in the box, or an empty box and why.
    void showFile();
    void tell(const QString &text, platform::Icon kind);
    void followSave();

    core::Dictionary &dictionary;
    // The file was written from elsewhere while the learner was changing the text shown.
    bool changedUnderEdit = false;
    platform::Services &services;
};

} // namespace widgets
