// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "optionsrules.h"

#include <QWidget>
#include <array>

class QGroupBox;
class QLabel;
class QPushButton;

// The Options dialog: a font and a colour for each of the four groups of display settings,
// kept in the four pickers cd1 to cd4 until Ok writes them to the settings file.
class FormOptions : public QWidget
{
    Q_OBJECT
public:
    explicit FormOptions(QWidget *parent = nullptr);

    // Shows the dialog; a dialog that is not open is loaded afresh from the display settings,
    // an open one only comes to the front.
    void open();
    // Fills the pickers from the display settings.
    void formload();

    void Command1_Click(int index);
    void Command2_Click(int index);

    // Main word, memory game, answer buttons, flash cards: the file's group order.
    optionsrules::fontcolor cd1, cd2, cd3, cd4;

    std::array<QGroupBox *, 4> Frame1;
    std::array<QPushButton *, 8> Command1;
    std::array<QLabel *, 8> Label1;
    std::array<QPushButton *, 2> Command2;
    // A sample of each group's font and colour, so a choice can be seen before it is saved.
    std::array<QLabel *, 4> preview;

private:
    void createcontrols();
    QGroupBox *createframe(int group);
    optionsrules::groups pickers() const;
    optionsrules::fontcolor &picker(int group);
    void selectfont(int group);
    void selectcolor(int group);
    void showpreview(int group);
};

namespace forms {

// The one Options dialog, created on first use and kept until the program ends.
FormOptions &options();

} // namespace forms
