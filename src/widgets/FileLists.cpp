#include "FileLists.h"

#include "platform/Drives.h"
#include "platform/Failure.h"
#include "platform/FileSystem.h"
#include "platform/ProgramPath.h"

#include <QSet>
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
    // One listing serves as the existence test and as the entries.
    const QStringList names = m_files.listFolderMatching(folder, ListKind::Files, m_pattern);
    m_path = folder;
    fill(names);
}

void FileListBox::setPattern(const QString& patterns)
{
    m_pattern = patterns;
}

void FileListBox::refresh()
{
    fill(m_path.isEmpty() ? QStringList()
                          : m_files.listFolderMatching(m_path, ListKind::Files, m_pattern));
}

void FileListBox::fill(const QStringList& names)
{
    const QSignalBlocker blocker(this);
    if (!updateInPlace(names)) {
        clear();
        addItems(names);
    }
    clearSelection();
    setCurrentRow(-1);
}

// After a map has been stored or installed a list differs from what it shows
// by an entry or two: changing only those keeps a list of tens of thousands of
// entries quick to refresh. Rebuilding is quicker once much has changed.
bool FileListBox::updateInPlace(const QStringList& names)
{
    constexpr int kMostChanges = 64;
    if (count() == 0 || names.isEmpty())
        return false;
    const QSet<QString> wanted(names.cbegin(), names.cend());
    int changes = 0;
    int row = 0;
    qsizetype next = 0;
    // The entries before row are names[0] to names[next - 1].
    while (row < count() || next < names.size()) {
        if (++changes > kMostChanges + 1)
            return false;
        if (row < count() && next < names.size() && item(row)->text() == names.at(next)) {
            --changes;
            ++row;
            ++next;
        } else if (row < count() && (next == names.size() || !wanted.contains(item(row)->text()))) {
            delete takeItem(row);
        } else {
            insertItem(row++, names.at(next++));
        }
    }
    return true;
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
