#pragma once

#include <QString>

#include <exception>
#include <string>

namespace zv {

// The numbers the program's handlers test when a file or system operation fails.
namespace FailureNumber {
constexpr int InvalidArgument = 5;
constexpr int FileNotFound = 53;
constexpr int FileExists = 58;
constexpr int DiskFull = 61;
constexpr int PastEndOfFile = 62;
constexpr int DeviceUnavailable = 68;
constexpr int PermissionDenied = 70;
constexpr int DiskNotReady = 71;
constexpr int PathAccessError = 75;
constexpr int PathNotFound = 76;
} // namespace FailureNumber

// One failure type for every file and system operation: a number the handlers
// decide on and a description they may show.
class Failure : public std::exception {
public:
    Failure(int number, QString description);
    explicit Failure(int number); // with the standard description of the number

    int number() const noexcept { return m_number; }
    const QString& description() const noexcept { return m_description; }
    const char* what() const noexcept override { return m_what.c_str(); }

private:
    int m_number;
    QString m_description;
    std::string m_what;
};

// The standard description of a failure number ("File not found" for 53).
QString DescriptionOf(int number);

// The one table from errno to failure numbers. ENOENT means 53 when the folder
// that should hold hostPath exists, and 76 when a folder on the way is missing.
int FailureNumberForErrno(int err, const std::string& hostPath);
Failure FailureForErrno(int err, const std::string& hostPath);

} // namespace zv
