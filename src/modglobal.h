// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The state every window shares: the loaded word list, the current dictionary path and the
// twelve display settings.

#include <QPointer>
#include <QString>
#include <QStringList>

class QWidget;
class readxml;

namespace modglobal {

// Each list holds the texts of its elements in document order plus one empty end position.
extern QStringList wordlist;
extern QStringList meaninglist;
extern QStringList usagelist;
extern qint16 wordcount;

// The current dictionary, relative to the program folder and beginning with a separator.
extern QString xmlfilepath;

extern QString mainfontname, mainfontcolor, mainfontsize;
extern QString memoryfontname, memoryfontcolor, memoryfontsize;
extern QString answerfontname, answercolor, answerfontsize;
extern QString flashfontname, flashfontcolor, flashfontsize;

// The one reader of the word list, created on first use.
readxml &xmlreader();
void releasexmlreader();
bool hasxmlreader();

// Windows other than the main one are created on first use and live until the program ends;
// they are handed over here so that they go before the application object does.
void keepwindow(QWidget *window);
void releasewindows();

// The window in slot, created and kept on first use.
template <typename Window> Window &kept(QPointer<Window> &slot)
{
    if (!slot) {
        slot = new Window;
        keepwindow(slot);
    }
    return *slot;
}

// Empties everything and closes the kept windows (tests start from here).
void reset();

} // namespace modglobal
