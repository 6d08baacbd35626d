// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <thread>

namespace platform {

// Reads the system's font configuration on a worker thread. Reading it takes a start several
// milliseconds; begun before the application connects to the display, it is ready by the time
// the first window asks for a font. Waits for the reading when it goes out of scope.
class FontConfigurationReader
{
public:
    FontConfigurationReader();
    ~FontConfigurationReader();
    FontConfigurationReader(const FontConfigurationReader &) = delete;
    FontConfigurationReader &operator=(const FontConfigurationReader &) = delete;

private:
    std::thread reader;
};

} // namespace platform
