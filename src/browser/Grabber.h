#pragma once

#include "browser/BrowserSetup.h"
#include "browser/PageButtons.h"
#include "frame/Forms.h"
#include "frame/WindowContext.h"

#include <QWidget>

#include <array>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QProgressBar;

namespace zv {

class FileListBox;
class ImageButton;
class MDIForm1;
class MessageBoxes;

// The download browser: the map repository in an embedded browser, with the navigation row,
// what the game's maps folder and storage already hold, and the column of page buttons. It
// fills the frame, and its own menu takes the frame's menu bar while it is shown.
class Grabber final : public QWidget, public Form, private PageButtonView {
    Q_OBJECT
public:
    inline static const QString kCaption = QStringLiteral("  Zorvane 2.0 --- Download New Maps");
    // The windows the browser takes the place of when it opens.
    static constexpr const char* kClosedOnOpening[] = {"MapMain", "MapManager", "FindMaps", "Help1",
                                                       "Help2",   "Help3",      "Install"};

    Grabber(const WindowContext& context, const BrowserSetup& setup);

    // Form. Unloading is the window's close: the map manager closes and the console comes back.
    void Load() override;
    void Unload() override;

    // The browser's progress event: progress out of maximum, -1 when a load has ended.
    void WebBrowser1_ProgressChange(qint32 progress, qint32 maximum);

    // The embedded browser; nullptr when it could not be started.
    BrowserComponent* browser() const { return m_browser; }
    const PageButtonColumn& pageButtons() const { return m_column; }
    const QString& repositoryBase() const { return m_setup.repositoryBase; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // The user's close command, or the return command: the window unloads, which brings the
    // console back.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onBrowser(void (BrowserComponent::*operation)());
    void Command8_Click();
    void Return_Click();
    void SwitchGame_Click();
    void FillMapLists();

    void fillClientArea();
    void layOut();
    void pointMapLists(const QString& gameFolder);
    void openAddress(const QString& address);
    void showConsole();

    // PageButtonView
    void setButtonPicture(int button, const QString& picture) override;
    void setButtonEnabled(int button, bool enabled) override;
    void openPage(const QString& path) override;

    QString placeDownload(const QString& suggestedName);
    void showDownload(const DownloadReport& report);
    void showDownloadText(const QString& text);

    ProgramState& m_state;
    MessageBoxes& m_messages;
    const Screen& m_screen;
    Forms& m_forms;
    MDIForm1& m_frame;
    BrowserSetup m_setup;
    PageButtonColumn m_column{*this};
    BrowserComponent* m_browser = nullptr;

    QProgressBar* ProgressBar1;
    ImageButton* Command2;
    ImageButton* Command3;
    ImageButton* Command7;
    ImageButton* Command6;
    ImageButton* Command8;
    QLabel* Label1;
    QComboBox* Combo1;
    QLabel* Label2;
    QComboBox* Combo2;
    FileListBox* File1;
    FileListBox* File2;
    QWidget* WebBrowser1;
    std::array<ImageButton*, kPageButtonCount> m_images{}; // Image1 ... Image11
    QAction* Return;
    QAction* SwitchGame;
    QFrame* m_downloadShelf;
    QLabel* m_downloadStatus;
    QProgressBar* m_downloadProgress;
};

} // namespace zv
