#pragma once

#include <QString>

class QWidget;

namespace zv {

class MDIForm1;

// A window of the program as the forms collection drives it.
class Form {
public:
    virtual ~Form() = default;
    // Runs once the window's controls exist (VB's Load event).
    virtual void Load() = 0;
    // Runs just before the window is discarded; releases what Load took.
    virtual void Unload() = 0;
};

// The program's windows by name, the way each window reaches the others.
// Loading a window that is not loaded builds it inside the frame and runs its
// Load; unloading runs its Unload and discards it, so the next load starts
// afresh. Hiding and showing are the window's own business.
class Forms {
public:
    virtual ~Forms() = default;

    // The loaded window of that name ("MapManager"); nullptr when not loaded.
    virtual QWidget* loaded(const QString& name) const = 0;
    // The window of that name, loaded first when it is not.
    virtual QWidget* load(const QString& name) = 0;
    // Unloads the window of that name when it is loaded.
    virtual void unload(const QString& name) = 0;

    virtual MDIForm1& mainFrame() const = 0;
    // Ends the program: every window goes, the frame closes.
    virtual void endProgram() = 0;

    template <typename Window> Window* loadedAs(const QString& name) const
    {
        return dynamic_cast<Window*>(loaded(name));
    }
    template <typename Window> Window* loadAs(const QString& name)
    {
        return dynamic_cast<Window*>(load(name));
    }
};

} // namespace zv
