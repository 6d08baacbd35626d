// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fitfigures.h"
#include "fsrs.h"

#include <QString>
#include <optional>

namespace learning {

// A fit of the memory model kept in the progress file, adopted or not: when and on how many
// answers it was made, its figures and those of the parameters then in force, on the same
// held-out answers.
struct ParameterSet
{
    qint64 id = 0;
    Time fittedAt{};
    Parameters parameters{};
    qint64 reviews = 0;
    qsizetype items = 0;
    qsizetype heldOutItems = 0;
    ParameterFigures figures;
    ParameterFigures replacedFigures;
    bool adopted = false; // it predicted better and was put in force
    bool active = false;  // in force now
};

// The 21 numbers as the file keeps them: separated by spaces, each in its shortest exact form.
QString parametersText(const Parameters &parameters);
// Nothing unless the text holds 21 finite numbers.
std::optional<Parameters> parametersFromText(const QString &text);

} // namespace learning
