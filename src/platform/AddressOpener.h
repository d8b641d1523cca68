#pragma once

#include <QString>

namespace zv {

// Opens a web address with the user's default handler; failures are ignored.
class AddressOpener {
public:
    virtual ~AddressOpener() = default;
    virtual void open(const QString& address) = 0;
};

} // namespace zv
