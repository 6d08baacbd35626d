// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes as a list of IPA: either the whole file is refused, or what it holds is written back as
// a file that reads the same, every transcription between slashes on one line.

#include "fuzzsupport.h"

#include "core/pronunciations.h"

#include <QStringList>

using namespace core;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzing::setup();
    const Pronunciations read =
        Pronunciations::fromText(fuzzing::bytes(data, size), QStringLiteral("fuzz"));
    const QByteArray written = read.bytes();
    const Pronunciations again = Pronunciations::fromText(written, QStringLiteral("again"));
    fuzzing::require(again.size() == read.size(), "what was read is written whole");
    for (const QString &line : QString::fromUtf8(written).split(QStringLiteral("\r\n"))) {
        if (line.isEmpty())
            continue;
        const QString ipa = line.section(QLatin1Char('\t'), 1);
        fuzzing::require(ipa.startsWith(QLatin1Char('/')) && ipa.endsWith(QLatin1Char('/')),
                         "a transcription stands between slashes");
        fuzzing::require(again.of(line.section(QLatin1Char('\t'), 0, 0)) == ipa,
                         "a written line reads back as it was");
    }
    return 0;
}
