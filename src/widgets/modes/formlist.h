// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

class QPlainTextEdit;
class QVBoxLayout;
namespace core {
class Dictionary;
}
namespace platform {
struct Services;
}

namespace widgets {

// The whole word list as text, one entry a line, ready to print.
class FormList : public QMainWindow
{
    Q_OBJECT
public:
    FormList(const core::Dictionary &dictionary, platform::Services &services,
             QWidget *parent = nullptr);
    ~FormList() override;

    // Builds the list from the word list now loaded, says so, then shows the window. While it is
    // open it follows the dictionary: another list, or an edit saved, is what it shows and
    // prints.
    void showWordList();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createActions(QVBoxLayout *layout);
    void print();

    const core::Dictionary &dictionary;
    platform::Services &services;
    QPlainTextEdit *listBox = nullptr;
};

} // namespace widgets
