#pragma once

#include "MapSearch.h"

#include "frame/Forms.h"
#include "frame/SkinnedWindow.h"
#include "frame/WindowContext.h"

class QLabel;
class QLineEdit;

namespace zv {

class ImageButton;
class MessageBoxes;

// The map finder: the user types a file name, the fixed drives are searched for it, and the
// path found goes to the found-files list and, through the program state, to the manager.
class FindMaps final : public SkinnedWindow, public Form, private FinderView {
    Q_OBJECT
public:
    explicit FindMaps(const WindowContext& context);
    ~FindMaps() override;

    // Form
    void Load() override;
    void Unload() override;

protected:
    // The window sees Enter before its controls do.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Form_KeyPress();
    void Image2_Click();
    void Image1_Click();

    void search(const QString& name);
    // Back to the map manager, with the found-files list showing the last path found.
    void ShowFoundFiles();
    void showManager();
    void closeFinder();

    // FinderView
    void setGoPicture(const QString& name) override;
    void setMessage(const QString& text) override;
    void leaveAfterFailure() override;

    ProgramState& m_state;
    const Services& m_services;
    MessageBoxes& m_messages;
    Forms& m_forms;
    // A search is running: the window takes nothing until it returns.
    bool m_searching = false;
    // This opening of the finder has found a file, so Go shows it instead of searching.
    bool m_foundHere = false;

    QLabel* Label1;
    QLineEdit* Text1;
    ImageButton* Image2;
    ImageButton* Image1;
};

} // namespace zv
