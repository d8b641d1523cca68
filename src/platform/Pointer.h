#pragma once

namespace zv {

// The mouse pointer over the program's windows.
class Pointer {
public:
    virtual ~Pointer() = default;
    virtual void showBusy() = 0;
    virtual void showDefault() = 0;
};

} // namespace zv
