#pragma once

#include "platform/Drives.h"

#include <QStringList>

namespace zv::test {

// The real drives of a test prefix, with every tree walk written down.
class WalkCountingDrives final : public Drives {
public:
    explicit WalkCountingDrives(const Drives& inner) : m_inner(inner) {}
    int driveType(const QString& root) const override { return m_inner.driveType(root); }
    QString searchTreeForFile(const QString& root, const QString& fileName) const override
    {
        walked.append(root);
        return m_inner.searchTreeForFile(root, fileName);
    }
    QStringList driveNames() const override { return m_inner.driveNames(); }

    mutable QStringList walked;

private:
    const Drives& m_inner;
};

} // namespace zv::test
