#pragma once

#include <QPixmap>
#include <QString>

namespace zv {

class FileSystem;

// Loads the run-time pictures from the program folder's "\Support\" through
// the file layer; a missing picture fails like any missing file (53).
class SupportImages {
public:
    SupportImages(FileSystem& files, QString programFolder)
        : m_files(files), m_programFolder(std::move(programFolder))
    {
    }
    QString pathOf(const QString& name) const;
    QPixmap load(const QString& name) const;

private:
    FileSystem& m_files;
    QString m_programFolder;
};

} // namespace zv
