#pragma once

namespace zv {

// Lets pending window events run once during a long operation, so that a
// caption repaints; user input is held back until the operation ends.
class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void letEventsRun() = 0;
};

} // namespace zv
