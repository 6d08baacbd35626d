// SPDX-License-Identifier: GPL-3.0-or-later
#include "programmodel.h"

#include "platform/services.h"

namespace learning {

ProgramModel::ProgramModel(platform::Services &services)
    : dictionary(services.appInfo->programFolder()),
      display(*services.files, services.appInfo->programFolder()),
      studyPlan(*services.files, services.programPath(QStringLiteral("\\settings\\study.txt"))),
      speech(*services.files, services.programPath(QStringLiteral("\\settings\\speech.txt"))),
      review(dictionary, *services.random),
      memory(services.programPath(QStringLiteral("\\progress\\progress.sqlite")))
{
    display.load();
    studyPlan.load();
    // The schedule follows the plan's retention from the next answer on: the memory opens its
    // file again with it, and replays the log when its cards were made with another.
    const auto followRetention = [this] {
        memory.setSchedulerOptions({.desiredRetention = studyPlan.plan().desiredRetention});
    };
    followRetention();
    QObject::connect(&studyPlan, &StudyPlanSettings::desiredRetentionChanged, &memory,
                     followRetention);
}

} // namespace learning
