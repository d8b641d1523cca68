#include "FileLists.h"

#include "platform/Drives.h"
#include "platform/Failure.h"
#include "platform/FileSystem.h"
#include "platform/ProgramPath.h"
#include "platform/Wildcard.h"

#include <QSignalBlocker>

namespace zv {

// ---- FileListBox ------------------------------------------------------------

FileListBox::FileListBox(FileSystem& files, const QString& name, QWidget* parent)
    : QListWidget(parent), m_files(files)
{
    setObjectName(name);
    connect(this, &QListWidget::itemClicked, this, &FileListBox::clicked);
}

void FileListBox::setPath(const QString& folder)
{
    m_files.listFolder(folder, ListKind::Files); // fails here for a folder that is not there
    m_path = folder;
    refresh();
}

void FileListBox::setPattern(const QString& patterns)
{
    m_pattern = patterns;
}

void FileListBox::refresh()
{
    QStringList shown;
    if (!m_path.isEmpty()) {
        for (const QString& name : m_files.listFolder(m_path, ListKind::Files)) {
            if (MatchesPatternList(name, m_pattern))
                shown.append(name);
        }
    }
    const QSignalBlocker blocker(this);
    clear();
    addItems(shown);
    setCurrentRow(-1);
}

QString FileListBox::fileName() const
{
    const QListWidgetItem* item = currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

QStringList FileListBox::names() const
{
    QStringList all;
    for (int row = 0; row < count(); ++row)
        all.append(item(row)->text());
    return all;
}

// ---- DirListBox -------------------------------------------------------------

DirListBox::DirListBox(FileSystem& files, const QString& name, QWidget* parent)
    : QListWidget(parent), m_files(files)
{
    setObjectName(name);
    connect(this, &QListWidget::itemClicked, this, &DirListBox::clicked);
    // A failure must not leave the event handler: it is reported instead.
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        try {
            openEntry(item->text());
        } catch (const Failure& failure) {
            emit openFailed(failure.number(), failure.description());
        }
    });
}

void DirListBox::setPath(const QString& folder)
{
    m_files.listFolder(folder, ListKind::Folders);
    m_path = folder;
    refresh();
    emit pathChanged(m_path);
}

void DirListBox::refresh()
{
    QStringList shown;
    if (!m_path.isEmpty()) {
        if (ParentFolderOf(m_path) != m_path)
            shown.append(kParent);
        shown += m_files.listFolder(m_path, ListKind::Folders);
    }
    const QSignalBlocker blocker(this);
    clear();
    addItems(shown);
    setCurrentRow(-1);
}

QString DirListBox::pathOfEntry(const QString& entry) const
{
    return entry == kParent ? ParentFolderOf(m_path) : JoinPath(m_path, entry);
}

QString DirListBox::selectedPath() const
{
    const QListWidgetItem* item = currentItem();
    return item && item->isSelected() ? pathOfEntry(item->text()) : m_path;
}

void DirListBox::openEntry(const QString& entry)
{
    setPath(pathOfEntry(entry));
}

// ---- DriveListBox -----------------------------------------------------------

DriveListBox::DriveListBox(const Drives& drives, const QString& name, QWidget* parent)
    : QComboBox(parent), m_drives(drives)
{
    setObjectName(name);
    refresh();
    connect(this, &QComboBox::activated, this, [this] { emit driveChanged(drive()); });
}

QString DriveListBox::drive() const
{
    return currentText();
}

void DriveListBox::setDrive(const QString& drive)
{
    const int index = findText(drive.left(2).toLower());
    if (index >= 0)
        setCurrentIndex(index);
}

void DriveListBox::refresh()
{
    const QString current = drive();
    const QSignalBlocker blocker(this);
    clear();
    addItems(m_drives.driveNames());
    if (!current.isEmpty())
        setDrive(current);
}

} // namespace zv
