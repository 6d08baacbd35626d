// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's state without its windows: what main makes before the first window and hands
// to the windows in parts, each window only what it shows or changes.

#include "core/answerlog.h"
#include "core/dictionary.h"
#include "core/displaysettings.h"
#include "core/reviewsession.h"
#include "core/speechsettings.h"
#include "core/wordlistupdate.h"
#include "learnermemory.h"
#include "studyplan.h"

namespace platform {
struct Services;
}

namespace learning {

struct ProgramModel
{
    // Reads the display settings and the study plan; the speech settings are read when first
    // asked for, the dictionary when the program starts, the learner's memory when first used.
    explicit ProgramModel(platform::Services &services);

    core::Dictionary dictionary;
    core::DisplaySettings display;
    StudyPlanSettings studyPlan;
    core::SpeechSettings speech;
    core::ReviewSession review;
    core::AnswerLog log;
    core::WordListUpdate update;
    LearnerMemory memory;
};

} // namespace learning
