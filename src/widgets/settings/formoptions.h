// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/displaysettings.h"
#include "learning/studyplan.h"

#include <QWidget>
#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class SpeechFrame;
class Speech;
class StudyPlanFrame;
namespace platform {
struct Services;
}

// The Options dialog: a font and a colour for each of the four groups of display settings,
// kept here as choices until Ok writes them to the settings file and hands them to the
// program.
class FormOptions : public QWidget
{
    Q_OBJECT
public:
    FormOptions(DisplaySettings &settings, learning::StudyPlan &plan, platform::Services &services,
                Speech &speech, QWidget *parent = nullptr);

    // Shows the dialog; a dialog that is not open is loaded afresh from the display settings,
    // an open one only comes to the front.
    void open();
    // Fills the pickers from the display settings.
    void formLoad();

    void pickClicked(int index);
    void dialogButtonClicked(int index);

    std::array<QGroupBox *, 4> groupFrames;
    std::array<QPushButton *, 8> pickButtons;
    std::array<QLabel *, 8> pickCaptions;
    std::array<QPushButton *, 2> dialogButtons;
    // A sample of each group's font and colour, so a choice can be seen before it is saved.
    std::array<QLabel *, 4> preview;

signals:
    // Ok saved a changed study plan.
    void studyPlanChanged();

private:
    void createControls();
    QGroupBox *createFrame(int group);
    TextStyle picker(int group) const;
    void writeSettings();
    void writeStudyPlan();
    void writeSpeech();
    void showVoices();
    void selectFont(int group);
    void selectColor(int group);
    void showPreview(int group);

    DisplaySettings &settings;
    // What the settings file holds: the program started with it, and Ok may write it.
    DisplaySettings savedSettings;
    platform::Services &services;
    DisplaySettings choices;
    learning::StudyPlan &plan;
    StudyPlanFrame *studyFrame;
    Speech &speech;
    SpeechFrame *speechFrame;
};
