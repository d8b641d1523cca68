#pragma once

#include "core/StartupSequence.h"
#include "frame/Forms.h"
#include "frame/SkinnedWindow.h"
#include "frame/WindowContext.h"

class QFrame;
class QLabel;
class QProgressBar;

namespace zv {

class ImageButton;
class MDIForm1;
class MessageBoxes;

// The game selection window: two game pictures to choose from, then the
// caption and the progress bar of the start-up sequence.
class Startup final : public SkinnedWindow, public StartupView, public Form {
    Q_OBJECT
public:
    explicit Startup(const WindowContext& context);

    void setHandovers(StartupHandovers handovers) { m_handovers = std::move(handovers); }

    // Form
    void Load() override;
    void Unload() override;

    // Near the middle of the screen, a little above it.
    void placeOnScreen();
    // The choosing state: caption and frame shape shown, bar hidden at 0.
    void showChoice();

    // StartupView
    void setCaption(const QString& caption) override;
    void advanceProgress(int step) override;
    void setProgress(int value) override;
    void setProgressVisible(bool visible) override;
    void setShapeVisible(bool visible) override;

private:
    void Image1_Click();
    void Image2_Click();
    void chooseGame(const QString& game);

    ProgramState& m_state;
    const Services& m_services;
    MessageBoxes& m_messages;
    MDIForm1& m_frame;
    StartupHandovers m_handovers;

    QFrame* Shape1;
    QLabel* Label1;
    QProgressBar* ProgressBar1;
    ImageButton* Image1;
    ImageButton* Image2;
};

} // namespace zv
