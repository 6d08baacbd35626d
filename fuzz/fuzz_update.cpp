// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes as the body of the update's answer: a body the update accepts, stored as the update
// stores it, always loads as a dictionary with at least one word.

#include "fuzzsupport.h"

#include "core/dictionary.h"
#include "core/wordlistupdate.h"
#include "platform/textfile.h"

using namespace core;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Dictionary dictionary(fuzzing::setup());
    platform::HttpResponse response;
    response.status = 200;
    response.body = fuzzing::bytes(data, size);
    if (!updateProblem(response).isEmpty())
        return 0;
    const QString stored = platform::decodeText(response.body) + QStringLiteral("\r\n");
    fuzzing::writeFile(QStringLiteral("XML/gre.xml"), stored.toUtf8());
    fuzzing::require(dictionary.load(QStringLiteral("\\XML\\gre.xml")) > 0,
                     "an accepted body loads with a word");
    return 0;
}
