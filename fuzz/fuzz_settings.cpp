// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes as settings.ini through DisplayStyles::load: a file taken as usable gives back its
// own twelve values, written again the same way; a refused one leaves the defaults.

#include "fuzzsupport.h"

#include "core/displaysettings.h"
#include "platform/textfile.h"

using namespace core;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString folder = fuzzing::setup();
    const QByteArray bytes = fuzzing::bytes(data, size);
    fuzzing::writeFile(QStringLiteral("settings/settings.ini"), bytes);
    DisplayStyles settings;
    const bool usable = settings.load(folder);
    // Inputs stay far below the read limit, so the whole text is what counts.
    const QStringList lines = platform::decodeText(bytes).split(QStringLiteral("\r\n"));
    fuzzing::require(usable == displaysettings::usable(lines), "the file is judged by its lines");
    if (!usable) {
        fuzzing::require(settings == DisplayStyles(), "a refused file leaves the defaults");
        return 0;
    }
    for (int g = 0; g < DisplayStyles::groupCount; ++g)
        fuzzing::require(settings.style(DisplayStyles::Group(g)).fontName == lines[3 * g + 1],
                         "each font name is its line of the file");
    const auto again = DisplayStyles::fromLines(settings.fileText().split(QStringLiteral("\r\n")));
    fuzzing::require(again && *again == settings, "what is written reads back the same");
    return 0;
}
