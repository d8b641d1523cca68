#pragma once

#include "platform/UserEnvironment.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace zv::test {

// A home folder inside a temporary folder, where prefixes, Steam libraries and
// program folders are laid out as launchers and installs make them. Paths are
// relative to the home folder; "@ROOT@" in a path or a file's content stands
// for the temporary folder around it, where a home may keep things outside itself.
class TemporaryHome {
public:
    TemporaryHome();

    QString root() const { return m_dir.path(); }
    QString home() const { return root() + QStringLiteral("/home"); }
    // An absolute path: relative ones are below the home folder.
    QString path(const QString& relative) const;

    // A Wine prefix as Wine makes it (drive_c, dosdevices/c: -> ../drive_c,
    // system.reg) holding the named games ("BHWWE", "RMTH3") under Program Files.
    QString prefix(const QString& relative, const QStringList& games = {});
    void file(const QString& relative, const QByteArray& content = {});
    void folder(const QString& relative);
    void link(const QString& relative, const QString& target);

    UserEnvironment environment() const;

private:
    QString expand(const QString& text) const;
    QTemporaryDir m_dir;
};

} // namespace zv::test
