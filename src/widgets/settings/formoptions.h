// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/displaysettings.h"
#include "learning/studyplan.h"

#include <QWidget>
#include <array>
#include <memory>

class QGroupBox;
class QLabel;
class QPushButton;
namespace core {
class Dictionary;
class SpeechSettings;
} // namespace core
namespace learning {
class LearnerMemory;
class StudyPlanSettings;
} // namespace learning
namespace platform {
struct Services;
}

namespace widgets {

class FitWindow;
class SpeechFrame;
class Speech;
class StudyPlanFrame;

// The Options dialog: a font and a colour for each of the four groups of display settings,
// kept here as choices until Ok puts them in force and, when the learner agrees, has them saved;
// the study plan and the speech settings, saved at Ok. Each settings object writes its own file.
class FormOptions : public QWidget
{
    Q_OBJECT
public:
    FormOptions(core::DisplaySettings &display, learning::StudyPlanSettings &studyPlan,
                core::SpeechSettings &speechSettings, platform::Services &services, Speech &speech,
                QWidget *parent = nullptr);
    ~FormOptions() override;

    // Shows the dialog; a dialog that is not open is loaded afresh from the display settings,
    // an open one only comes to the front.
    void open();
    // Fills the pickers from the display settings.
    void formLoad();
    // The Study frame shows the pace its plan asks of the learner for these words, and fits the
    // memory model to the learner's answers.
    void showPacingFor(const core::Dictionary &words, learning::LearnerMemory &memory);

    void pickClicked(int index);
    void dialogButtonClicked(int index);

    std::array<QGroupBox *, 4> groupFrames;
    std::array<QPushButton *, 8> pickButtons;
    std::array<QLabel *, 8> pickCaptions;
    std::array<QPushButton *, 2> dialogButtons;
    // A sample of each group's font and colour, so a choice can be seen before it is saved.
    std::array<QLabel *, 4> preview;

private:
    void createControls();
    QGroupBox *createFrame(int group);
    core::TextStyle picker(int group) const;
    void saveDisplay();
    void saveStudyPlan();
    void saveSpeech();
    void showVoices();
    void selectFont(int group);
    void selectColor(int group);
    void showPreview(int group);
    void openFitWindow();

    core::DisplaySettings &display;
    learning::StudyPlanSettings &studyPlan;
    core::SpeechSettings &speechSettings;
    platform::Services &services;
    core::DisplayStyles choices;
    StudyPlanFrame *studyFrame;
    const core::Dictionary *pacedWords = nullptr;
    learning::LearnerMemory *learnerMemory = nullptr;
    Speech &speech;
    SpeechFrame *speechFrame;
    std::unique_ptr<FitWindow> fitWindow; // made when first asked for, kept for the run
};

} // namespace widgets
