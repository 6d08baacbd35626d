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
namespace core {
class AnswerLog;
}
namespace platform {
struct Services;
}

namespace widgets {

// The answer log of the running program: shown, printed and saved from here. The log grows
// whether or not the window is shown.
class FormResults : public QMainWindow
{
    Q_OBJECT
public:
    FormResults(core::AnswerLog &log, platform::Services &services, QWidget *parent = nullptr);

    void cancel();
    void saveLog();
    void printLog();

    QGroupBox *logFrame;
    QLabel *logCaption;
    QPlainTextEdit *logBox;
    std::array<QPushButton *, 2> fileButtons;
    QPushButton *cancelButton;
    QMenu *fileMenu;
    QAction *saveAction, *printAction;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void setBackground(const QColor &color);
    void unload();

    core::AnswerLog &log;
    platform::Services &services;
};

} // namespace widgets
