#pragma once

#include "platform/ProgramPath.h"

#include <QComboBox>
#include <QListWidget>

namespace zv {

class Drives;
class FileSystem;

// A list of the files in one folder that match a pattern text of several
// patterns separated by "; ". Works on program paths through the file layer.
class FileListBox : public QListWidget {
    Q_OBJECT
public:
    FileListBox(FileSystem& files, const QString& name, QWidget* parent);

    // Points the list at a folder and refreshes it; a folder that does not
    // exist fails (76) and leaves the list as it was.
    void setPath(const QString& folder);
    const QString& path() const { return m_path; }
    void setPattern(const QString& patterns);
    const QString& pattern() const { return m_pattern; }
    // Reads the folder again; the selection is cleared.
    void refresh();

    // The selected name; empty when nothing is selected.
    QString fileName() const;
    int listIndex() const { return currentRow(); }
    QStringList names() const;

signals:
    void clicked();

private:
    // Shows the names, nothing selected.
    void fill(const QStringList& names);
    bool updateInPlace(const QStringList& names);

    FileSystem& m_files;
    QString m_path;
    QString m_pattern = QStringLiteral("*.*");
};

// The sub-folders of one folder, with ".." for its parent; opening an entry
// (a double click) makes it the path.
class DirListBox : public QListWidget {
    Q_OBJECT
public:
    static inline const QString kParent = QStringLiteral("..");

    DirListBox(FileSystem& files, const QString& name, QWidget* parent);

    void setPath(const QString& folder);
    const QString& path() const { return m_path; }
    void refresh();
    // The folder an entry names.
    QString pathOfEntry(const QString& entry) const;
    // The folder of the selected entry; the list's path when nothing is selected.
    QString selectedPath() const;
    // Opens an entry as a double click does.
    void openEntry(const QString& entry);

signals:
    void clicked();
    void pathChanged(const QString& path);
    // A double click on an entry whose folder cannot be opened (gone, unreadable): the list
    // stays as it was.
    void openFailed(int number, const QString& description);

private:
    FileSystem& m_files;
    QString m_path;
};

// The drives that exist, shown as "c:"; choosing one reports it.
class DriveListBox : public QComboBox {
    Q_OBJECT
public:
    DriveListBox(const Drives& drives, const QString& name, QWidget* parent);

    // "c:"
    QString drive() const;
    void setDrive(const QString& drive);
    void refresh();

signals:
    void driveChanged(const QString& drive);

private:
    const Drives& m_drives;
};

} // namespace zv
