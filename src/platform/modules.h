// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's modules: shared libraries beside it that hold what only some actions need
// (HTTP, printing, speech), so that the start does not load them and the libraries they bring. A
// module is loaded the first time one of its functions is asked for and stays for the run.

#include "services.h"
#include "speaker.h"

#include <QString>
#include <memory>

namespace platform {

// The folders searched for a module, in order: "lib" beside the executable (the build tree and
// a portable copy), then the installed module folder relative to it.
QStringList moduleFolders();

// A function of a module found in the first of the folders that has it, loading the module
// first; throws platform::Error (io) naming the module and why when it cannot be loaded or
// lacks the function.
QFunctionPointer moduleFunction(const QString &module, const char *function,
                                const QStringList &folders = moduleFolders());

// HTTP whose implementation is loaded on the first request; a module that cannot be loaded
// is the request's error.
std::unique_ptr<Http> makeDeferredHttp();

// Printing whose implementation is loaded on the first print; a module that cannot be loaded
// prints nothing and says why in the log.
std::unique_ptr<Printer> makeDeferredPrinter();

// Speech whose engine is loaded on first use (say or prepare); a module that cannot be loaded
// makes it unavailable with the reason.
std::unique_ptr<Speaker> makeDeferredSpeaker();

} // namespace platform
