#pragma once

#include "frame/Forms.h"
#include "frame/SkinnedWindow.h"
#include "frame/WindowContext.h"

class QPlainTextEdit;

namespace zv {

class AddressOpener;
class ImageButton;

// One of the three read-only information windows, "Help1" (what the program is), "Help2"
// (about it) and "Help3" (terms of use). Opening one closes the working windows and the other
// two; its close button leads to the console.
class InformationWindow final : public SkinnedWindow, public Form {
    Q_OBJECT
public:
    // name: "Help1", "Help2" or "Help3".
    InformationWindow(const QString& name, const WindowContext& context);

    // Form
    void Load() override;
    void Unload() override;

private:
    void Image1_Click();
    void Image2_Click();
    void closeOtherWindows();

    AddressOpener& m_addresses;
    Forms& m_forms;
    ImageButton* Image1;
    ImageButton* Image2 = nullptr;    // Help2's banner
    QPlainTextEdit* Text1 = nullptr; // Help3's terms
};

} // namespace zv
