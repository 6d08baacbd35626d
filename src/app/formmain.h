// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <array>

class QAction;
class QUrl;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QTextEdit;
class QTimer;
class QToolBar;
class answerbutton;

// The main window: starts and ends the program, loads the word list and holds the review quiz.
class FormMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit FormMain(QWidget *parent = nullptr);
    ~FormMain() override;

    // The start-up: seed, display settings, the default dictionary, then the window is shown.
    void start();

    // Loads a dictionary (relative to the program folder) into the word list and shows a first
    // word with its choices. Throws vocabrix::error when the file holds no word.
    void loaddata(const QString &path);
    // Right meaning on button 0, four drawn meanings on the others.
    void fillchoices(int position);
    // Reads the settings file (or takes the defaults) and applies the main window's part.
    void setfontcolor();

    // Flash, Next, Previous move and show; index 3 looks the word up online.
    void Command2_Click(int index);
    // Shuffles the answer buttons into one of five layouts.
    void randomize_button_positions();
    void Command1_Click(int index);
    // Answers with the button standing in slot 1..5.
    void answerslot(int slot);
    void Command3_Click();
    void Command9_Click();
    void Timer1_Timer();
    void Command10_Click();
    void Command8_Click();
    void mnuOpen_Click();
    void mnueditxml_Click();
    // Replaces the default dictionary with a fresh copy from the update server.
    void mnuxml_Click();
    // The description toolbar: what a button does is decided by its key.
    void Toolbar1_ButtonClick(const QString &key);
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    // Stores the description, asks, then writes the whole dictionary with its style marker.
    void Command7_Click();
    // Ends the program: no question, nothing saved, other windows closed without their handlers.
    void unloadprogram();

    qint16 currentword = 0;
    qint16 correctcount = 0;
    qint16 incorrectcount = 0;

    QGroupBox *Frame1, *Frame2, *Frame3, *Frame4, *Frame5, *Frame6;
    QLineEdit *Text1;
    QTextEdit *RichTextBox1;
    QToolBar *Toolbar1;
    QTimer *Timer1;
    QProgressBar *ProgressBar1;
    QComboBox *combdict;
    std::array<answerbutton *, 5> Command1;
    std::array<QLabel *, 5> Label1;
    std::array<QPushButton *, 4> Command2;
    std::array<QLabel *, 4> Label111;
    QPushButton *Command3, *Command4, *Command5, *Command6, *Command7, *Command8, *Command9,
        *Command10;
    QLabel *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label10;

    QMenu *mnuFile, *mnuTool, *mnuView, *mnuhelp;
    QAction *mnuOpen, *mnueditxml, *mnuexit, *mnuOptions, *mnuList, *mnuFlash, *mnumemory,
        *mnucontents, *mnuxml, *mnuabout;

signals:
    // The program is ending (the unload routine ran).
    void ended();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createcontrols();
    QWidget *createquiz();
    QWidget *createanswerwindow();
    QWidget *createcontrolpanel();
    QWidget *createscore();
    QWidget *createdescription();
    void createmenus();
    void connectsignals();
    void connectstudymodes();
    // Tool > Options and the Help menu's contents and About.
    void connecthelpandoptions();
    void clearquiz();
    void connectreview();
    void connectdescription();
    void connectstore();
    void createtoolbar();
    void showword();
    void netsearch();
    void lookup(const QUrl &address);

    bool ending = false;
};
