// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace platform {

// Text files are read as UTF-8, or as Windows-1252 when the bytes are not valid UTF-8 (files
// from older systems); a byte order mark, where there is one, decides instead.
QString decodetext(const QByteArray &bytes);
bool isutf8(const QByteArray &bytes);

// Reads a whole file; throws vocabrix::error (io) when it cannot be read.
QByteArray readbytes(const QString &path);
QString readtext(const QString &path);

// Replaces a file's content with the text as UTF-8 without a byte order mark. The text is
// written as given (callers end lines with CR LF). Written through a temporary file, so a
// failure leaves the old file whole; throws vocabrix::error (io) naming the file.
void writetext(const QString &path, const QString &text);
// The same for text already encoded as UTF-8.
void writebytes(const QString &path, const QByteArray &bytes);

// For tests: while set, every write fails after its temporary file was written, as a full
// disk would make it.
void injectwritefailure(bool on);

// For tests: called once the new text is in the temporary file and before it replaces the
// file, the moment at which a crash or a power cut would interrupt a write.
void setbeforecommit(std::function<void()> hook);

} // namespace platform
