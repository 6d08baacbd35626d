// SPDX-License-Identifier: GPL-3.0-or-later
#include "programmodel.h"

#include "platform/services.h"

namespace learning {

ProgramModel::ProgramModel(platform::Services &services)
    : dictionary(services.appInfo->programFolder()),
      display(*services.files, services.appInfo->programFolder()),
      studyPlan(*services.files, services.programPath(QStringLiteral("\\settings\\study.txt"))),
      speech(*services.files, services.programPath(QStringLiteral("\\settings\\speech.txt"))),
      review(dictionary, *services.random)
{
    display.load();
    studyPlan.load();
}

} // namespace learning
