#pragma once

#include "frame/Forms.h"
#include "frame/SkinnedWindow.h"
#include "frame/WindowContext.h"
#include "manager/ManagerRules.h"
#include "manager/MapOperations.h"

#include <QHash>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;

namespace zv {

class DirListBox;
class DriveListBox;
class FileListBox;
class ImageButton;
class MDIForm1;
class MessageBoxes;

// The map manager: a small file manager for maps and folders on any drive,
// driven by two-click commands. The window turns its events into the steps
// below; which click runs which step is the rule table in ManagerRules, and
// the file work is in MapOperations and FolderOperations.
class MapManager final : public SkinnedWindow, public Form {
    Q_OBJECT
    // The armed command as a number, for those who watch the window.
    Q_PROPERTY(int ManagerMode READ managerModeNumber)

public:
    explicit MapManager(const WindowContext& context);

    // Form
    void Load() override; // LoadManager
    void Unload() override;

    ManagerMode mode() const { return m_mode; }
    int managerModeNumber() const { return static_cast<int>(m_mode); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class Look { Blank, Idle, Armed };
    enum class RenameEnd { Done, Failed, Refused };

    // Events
    void ManagerDriveChanged(const QString& drive);
    void ManagerFolderChanged();
    void SelectManagerFile();
    void buttonClicked(ManagerButton button);
    void enterPressed();

    // Steps the commands share
    void UpdateStatusLine();
    void BlankMapButtons();
    void ShowMapButtons();
    void BlankFolderButtons();
    void ShowFolderButtons();
    void ShowToolButtons();
    void BlankToolButtons();
    void BlankAllButtons();
    void lookAfterListsMoved(bool blankAroundTransfer);
    void PlacePreviewBox();
    void CancelArmedDelete(bool showTools);
    void RefreshManagerLists();
    void setLook(ImageButton* button, Look look);
    void showSwitchButton();
    void showGameLooks();
    void setStatus(const QString& text);
    void showPreview(const QString& path);
    void clearPreview();
    void openNameBox(const QString& status);
    void closeNameBox();
    void selectFirst(ManagerButton button);
    void openListsAt(const QString& folder);
    ClickFacts clickFacts() const;
    QString selectedName() const;
    void run(ManagerStep step, bool dropShowsTools, ManagerButton button, bool byEnter);

    // Map commands
    void armTransfer(MapCommand command); // a copy or a move
    void PerformCopy(bool afterFileClick);
    void ArmDeleteMap();
    void PerformDeleteMap();
    void PerformMove(bool afterFileClick);
    void finishMapCommand();
    std::optional<Failure> refreshAfterMapCommand();
    bool refuseReplacingInOpenFolder(const QString& targetName, ImageButton* button, ManagerMode armed,
                                     const char* buttonCaption);
    void OpenMapName();
    void RenameMapByButton();
    RenameEnd CommitMapRename();
    void reportMapFailure(MapCommand command, const Failure& failure);

    // Folder commands
    void MakeFolder();
    void ArmRemoveFolder();
    void PerformRemoveFolder();
    void OpenFolderName();
    void CommitFolderRename();

    // Leaving the folder
    void SwitchManagerGame();
    std::optional<QString> relocate();
    void ReturnToConsole();
    void OpenFinder();
    void CancelManager();
    void GoHome();

    void openPendingFind(const QString& foundPath);
    // Runs an event's work; a failure the work does not handle itself ends it quietly.
    void guarded(const std::function<void()>& work);

    ProgramState& m_state;
    const Services& m_services;
    MessageBoxes& m_messages;
    Forms& m_forms;
    MDIForm1& m_frame;

    DriveListBox* Drive1;
    DirListBox* Dir1;
    FileListBox* File1;
    QLabel* Label1;
    QLineEdit* Text1;
    QLabel* ImageMap;
    ImageButton* Image1;
    ImageButton* Image2;
    ImageButton* Image3;
    ImageButton* Image4;
    ImageButton* Image5;
    ImageButton* Image6;
    ImageButton* Image7;
    ImageButton* Image8;
    ImageButton* Image9;
    ImageButton* Image10;
    ImageButton* Image11;
    ImageButton* Image12;
    ImageButton* Image15;

    ManagerMode m_mode = ManagerMode::Idle;
    QString SourceName;
    QString SourceFolder;
    QString MapName;
    QString FolderName;
    // The folder last shown on each drive ("c:"), which choosing the drive opens again.
    QHash<QString, QString> m_driveFolders;
};

} // namespace zv
