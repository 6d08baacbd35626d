// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace importer {

enum class TextEncoding { Guess, Utf8, Utf16, Windows1252 };

struct DecodedText
{
    QString text;
    TextEncoding encoding;
};

// Text as the learner's files come: a byte order mark decides (UTF-8, UTF-16); else UTF-8 when
// the bytes are valid UTF-8, else Windows-1252. A chosen encoding is used as it is (invalid
// UTF-8 becomes U+FFFD), a mark is dropped either way.
DecodedText decodeText(const QByteArray &bytes, TextEncoding wanted = TextEncoding::Guess);

} // namespace importer
