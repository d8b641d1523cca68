#include "FileLists.h"

#include "platform/Drives.h"
#include "platform/FileSystem.h"
#include "platform/ProgramPath.h"
#include "platform/Wildcard.h"

#include <QSignalBlocker>

#include <algorithm>

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
    // One listing serves as the existence test and as the entries.
    const QStringList names = m_files.listFolder(folder, ListKind::Files);
    m_path = folder;
    fill(names);
}

void FileListBox::setPattern(const QString& patterns)
{
    m_pattern = patterns;
}

void FileListBox::refresh()
{
    fill(m_path.isEmpty() ? QStringList() : m_files.listFolder(m_path, ListKind::Files));
}

void FileListBox::fill(const QStringList& names)
{
    const QStringList patterns = SplitPatternList(m_pattern);
    QStringList shown;
    for (const QString& name : names) {
        if (std::any_of(patterns.cbegin(), patterns.cend(),
                        [&name](const QString& pattern) { return MatchesWildcard(name, pattern); }))
            shown.append(name);
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
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { openEntry(item->text()); });
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
