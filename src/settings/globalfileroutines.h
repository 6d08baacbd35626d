// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The settings file settings.ini in the settings folder below the program folder.

#include <QString>

// The whole text of a file in the settings folder; throws vocabrix::error when it cannot be read.
QString readsettingsfile(const QString &name);

// Reads settings.ini into the twelve display settings. False when the file is missing or
// any of its first twelve lines is empty or not a usable value; the lines it has are copied
// either way. Only the first 64 KiB are read: a longer file counts as its complete lines there.
bool loadsettings();

// Asks the user, then replaces the file's content with the text. Tells the user whether it
// was saved.
void writesettings(const QString &name, const QString &text);
