#pragma once

#include <QList>
#include <QMainWindow>
#include <QPixmap>

#include <functional>

class QAction;
class QMenu;

namespace zv {

class AddressOpener;
struct ProgramState;
class Screen;
class SupportImages;

// What the frame's menu commands hand over to the windows they open.
struct FrameCommands {
    std::function<void()> repairMaps;   // after the repair flags are set
    std::function<void()> openDownloads;
    std::function<void()> openHelp1;
    std::function<void()> openHelp2;
    std::function<void()> openHelp3;
    std::function<void()> endProgram;
};

inline const QString kFrameTitle = QStringLiteral("  Zorvane 2.0");

// The main frame: title bar, the menu, and the client area every other window
// of the program lives in.
class MDIForm1 : public QMainWindow {
    Q_OBJECT
public:
    MDIForm1(ProgramState& state, AddressOpener& addresses, const SupportImages& images,
             const Screen& screen);

    void setCommands(FrameCommands commands) { m_commands = std::move(commands); }

    // The area child windows are placed in.
    QWidget* clientArea() const { return m_clientArea; }
    // "File", "Internet" or "Help".
    void setMenuEnabled(const QString& menu, bool enabled);
    bool isMenuEnabled(const QString& menu) const;
    QAction* menuItem(const QString& name) const;
    // A child window's own menu: while that window is active its items stand in the menu bar
    // in place of the frame's menus, with a button at the bar's right end that closes it.
    void showWindowMenu(QWidget* window, const QList<QAction*>& items,
                        std::function<void()> closeWindow);
    // Puts the frame's menus back, when window's menu is the one shown.
    void showFrameMenu(QWidget* window);
    // The window whose menu stands in the menu bar; nullptr while the frame's menus do.
    QWidget* menuOwner() const { return m_menuOwner; }
    void setTitle(const QString& title) { setWindowTitle(title); }
    // The frame's outer size in twips, which child windows centre themselves with.
    QSizeF outerSizeTwips() const;

protected:
    // Closing the frame ends the program; it asks nothing.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    QMenu* addTopMenu(const QString& name, const QString& caption);
    void addItem(QMenu* menu, const QString& name, const QString& caption, void (MDIForm1::*handler)());

    void FileRepar();
    void FileExit();
    void InternetBHWWE();
    void InternetForums();
    void VisitSSmb();
    void DownloadVisitSite();
    void HelpWhat();
    void HelpUse();
    void HelpTerms();
    void HelpAbout();

    ProgramState& m_state;
    AddressOpener& m_addresses;
    const Screen& m_screen;
    FrameCommands m_commands;
    QWidget* m_clientArea;
    QWidget* m_menuOwner = nullptr;
    QList<QAction*> m_windowItems;
};

} // namespace zv
