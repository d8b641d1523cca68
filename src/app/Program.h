#pragma once

#include "browser/BrowserSetup.h"
#include "core/ProgramState.h"
#include "core/Services.h"
#include "frame/Forms.h"
#include "frame/WindowContext.h"
#include "platform/SupportImages.h"

#include <QHash>
#include <QWidget>

#include <functional>
#include <memory>

namespace zv {

class AddressOpener;
class Launcher;
class MDIForm1;
class MessageBoxes;
class Screen;

// Everything the program takes from its host; the real one comes from main,
// tests and the scenario runner give their own.
struct ProgramHost {
    FileSystem& files;
    Drives& drives;
    Pointer& pointer;
    EventPump& events;
    MessageBoxes& messages;
    AddressOpener& addresses;
    Launcher& launcher;
    const Screen& screen;
    QString programFolder;
    std::function<void()> endProgram;
};

// One run of the program: its state, its frame and the windows in it.
class Program final : private Forms {
public:
    explicit Program(ProgramHost host);
    ~Program() override;

    // The entry routine: the frame, then the selection window waiting for a click.
    void StartProgram();

    ProgramState& state() { return m_state; }
    const Services& services() const { return m_services; }
    MDIForm1* frame() const { return m_frame.get(); }
    // A loaded window by name ("MDIForm1", "Startup", ...); nullptr when not loaded.
    QWidget* window(const QString& name) const;
    bool hasEnded() const { return m_ended; }
    // Where the download browser finds the repository and puts downloads, and how it makes its
    // browser; set before the browser first opens.
    BrowserSetup& browserSetup() { return m_browserSetup; }

private:
    // Forms
    QWidget* loaded(const QString& name) const override;
    QWidget* load(const QString& name) override;
    void unload(const QString& name) override;
    MDIForm1& mainFrame() const override { return *m_frame; }
    void endProgram() override;

    // How each window is built, by name.
    void registerWindows();
    void wireFrame();
    // A menu command's window: loaded when it is not, shown and brought to the front.
    void showWindow(const QString& name);
    void openConsole();
    void openDownloads();
    void repairMaps();

    ProgramHost m_host;
    ProgramState m_state;
    Services m_services;
    SupportImages m_images;
    WindowContext m_context;
    BrowserSetup m_browserSetup;
    std::unique_ptr<MDIForm1> m_frame;
    QHash<QString, std::function<QWidget*()>> m_windowBuilders;
    bool m_ended = false;
};

} // namespace zv
