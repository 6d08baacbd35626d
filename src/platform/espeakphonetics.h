// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "speaker.h"

#include <memory>

namespace platform {

// IPA from espeak-ng (American English), run as a separate process with a time-out.
std::unique_ptr<Phonetics> makeEspeakPhonetics();

} // namespace platform
