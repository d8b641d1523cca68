#pragma once

#include "frame/Forms.h"
#include "frame/SkinnedWindow.h"
#include "frame/WindowContext.h"

#include <QHash>

class QLabel;
class QLineEdit;
class QListWidget;

namespace zv {

class DirListBox;
class DriveListBox;
class FileListBox;
class ImageButton;
class Launcher;
class MessageBoxes;

// The patterns the installer's file list shows.
inline const QString kPackagePattern = QStringLiteral("*.exe; *.EXE");
inline const QString kAllFilesPattern = QStringLiteral("*.*");

// The map installer: finds a self-extracting map package anywhere on disk and starts it as a
// program of its own, without waiting for it. Opened from the download browser, which it
// shows again when it closes.
class Install final : public SkinnedWindow, public Form {
    Q_OBJECT
public:
    explicit Install(const WindowContext& context);

    // Form
    void Load() override;
    void Unload() override;

private:
    void Drive1_Change(const QString& drive);
    void Dir1_Change(const QString& folder);
    void Dir1_OpenFailed();
    void File1_Click();
    void SetFileType();
    void RunPackage();
    void Image1_Click();

    // Points the folder list at a folder (its file list follows); false when it cannot be read.
    bool showFolder(const QString& folder);
    // Runs one step of RunPackage; a failing step is reported and the sequence goes on.
    template <typename Step> bool runStep(Step step);

    const Services& m_services;
    MessageBoxes& m_messages;
    Launcher& m_launcher;
    Forms& m_forms;
    // The folder last shown on each drive ("c:"), where choosing that drive again returns.
    QHash<QString, QString> m_folderOnDrive;

    DriveListBox* Drive1;
    DirListBox* Dir1;
    FileListBox* File1;
    QLabel* Label1;
    QLineEdit* Text1;
    QLabel* Label2;
    QListWidget* List1;
    ImageButton* Image2;
    QLabel* Label3;
    ImageButton* Image1;
};

} // namespace zv
