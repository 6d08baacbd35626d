// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes as settings.ini through loadsettings: every setting ends as the file's line or, when
// the file is refused, as its default; a file taken as usable converts everywhere.

#include "fuzzsupport.h"

#include "modglobal.h"
#include "platform/textfile.h"
#include "settings/displaysettings.h"
#include "settings/globalfileroutines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzing::setup();
    const QByteArray bytes = fuzzing::bytes(data, size);
    fuzzing::writefile(QStringLiteral("settings/settings.ini"), bytes);
    const bool usable = loadsettings();
    // Inputs stay far below the read limit, so the whole text is what counts.
    const QStringList lines = platform::decodetext(bytes).split(QStringLiteral("\r\n"));
    const auto settings = displaysettings::fileorder();
    for (size_t i = 0; i < settings.size(); ++i) {
        const QString line = qsizetype(i) < lines.size() ? lines[qsizetype(i)] : QString();
        fuzzing::require(*settings[i] == line, "each setting is its line of the file");
        fuzzing::require(!usable || !line.isEmpty(), "a usable file has no empty line");
    }
    if (usable) {
        for (size_t i = 0; i < settings.size(); i += 3) {
            fuzzing::require(displaysettings::tocolor(*settings[i]).has_value(),
                             "a usable colour converts");
            fuzzing::require(displaysettings::tosize(*settings[i + 2]).has_value(),
                             "a usable size converts");
        }
    } else {
        displaysettings::applydefaults();
        for (size_t i = 0; i < settings.size(); ++i)
            fuzzing::require(*settings[i] == displaysettings::defaults()[i],
                             "a refused file leaves the defaults");
    }
    return 0;
}
