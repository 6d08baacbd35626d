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

// The answer log of the running program: shown, printed and saved from here. The log grows
// whether or not the window is shown.
class FormResults : public QMainWindow
{
    Q_OBJECT
public:
    explicit FormResults(QWidget *parent = nullptr);

    // Adds one line; the log box is appended to, never rewritten.
    void appendlog(const QString &line);
    // The log as the program writes it: every line ended by CR LF.
    QString logtext() const;

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
};

namespace forms {
// The results window, created hidden on first use.
FormResults &results();
bool resultsexists();
} // namespace forms
