// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/wordkey.h"

namespace learning {

using core::wordKey;

} // namespace learning
