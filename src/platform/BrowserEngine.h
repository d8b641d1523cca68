#pragma once

#include "BrowserComponent.h"

namespace zv {

// The browser engine lives in a module of its own beside the program, loaded the first time a
// browser is made, so that starting the program never pays for it.
BrowserComponent* MakeEngineBrowser(QWidget* parent, BrowserEvents events, QString* whyNot);

// The engine refuses to run for the root user unless its sandbox is turned off in the
// environment; the reason for the user when that is the case, else an empty text.
QString EngineRefusalFor(bool runningAsRoot, const QByteArray& disableSandbox,
                         const QByteArray& chromiumFlags);

// The entry point the module exports.
using BrowserModuleEntry = BrowserComponent* (*)(QWidget* parent, BrowserEvents* events);
inline constexpr const char* kBrowserModuleEntry = "zvMakeBrowser";

} // namespace zv
