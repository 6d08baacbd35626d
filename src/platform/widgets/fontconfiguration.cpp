// SPDX-License-Identifier: GPL-3.0-or-later
#include "fontconfiguration.h"

#ifdef VOCABRIX_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace platform {

FontConfigurationReader::FontConfigurationReader()
{
#ifdef VOCABRIX_HAVE_FONTCONFIG
    // Safe beside Qt: the library keeps one configuration, and of two threads loading it at
    // once the later one drops its copy.
    reader = std::thread([] { FcInit(); });
#endif
}

FontConfigurationReader::~FontConfigurationReader()
{
    if (reader.joinable())
        reader.join();
}

} // namespace platform
