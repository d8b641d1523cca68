#pragma once

#include "core/ProgramState.h"
#include "core/Services.h"

namespace zv {

class AddressOpener;
class Forms;
class Launcher;
class MessageBoxes;
class Screen;
class SupportImages;

// What every window of the program is built with: the run's state, the host
// services, and the other windows.
struct WindowContext {
    ProgramState& state;
    const Services& services;
    MessageBoxes& messages;
    AddressOpener& addresses;
    Launcher& launcher;
    const Screen& screen;
    const SupportImages& images;
    Forms& forms;
};

} // namespace zv
