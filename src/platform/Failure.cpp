#include "Failure.h"

#include <cerrno>
#include <sys/stat.h>

namespace zv {

Failure::Failure(int number, QString description)
    : m_number(number), m_description(std::move(description)),
      m_what(std::to_string(number) + ", " + m_description.toStdString())
{
}

Failure::Failure(int number) : Failure(number, DescriptionOf(number)) {}

QString DescriptionOf(int number)
{
    switch (number) {
    case FailureNumber::InvalidArgument: return QStringLiteral("Invalid procedure call or argument");
    case FailureNumber::FileNotFound: return QStringLiteral("File not found");
    case FailureNumber::FileExists: return QStringLiteral("File already exists");
    case FailureNumber::DiskFull: return QStringLiteral("Disk full");
    case FailureNumber::PastEndOfFile: return QStringLiteral("Input past end of file");
    case FailureNumber::DeviceUnavailable: return QStringLiteral("Device unavailable");
    case FailureNumber::PermissionDenied: return QStringLiteral("Permission denied");
    case FailureNumber::DiskNotReady: return QStringLiteral("Disk not ready");
    case FailureNumber::PathAccessError: return QStringLiteral("Path/File access error");
    case FailureNumber::PathNotFound: return QStringLiteral("Path not found");
    default: return QStringLiteral("Application-defined or object-defined error");
    }
}

namespace {

bool ParentFolderExists(const std::string& hostPath)
{
    auto slash = hostPath.find_last_of('/');
    if (slash == std::string::npos)
        return true; // relative to the current folder, which exists
    std::string parent = slash == 0 ? std::string("/") : hostPath.substr(0, slash);
    struct stat st {};
    return ::stat(parent.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace

int FailureNumberForErrno(int err, const std::string& hostPath)
{
    switch (err) {
    case ENOENT:
        return ParentFolderExists(hostPath) ? FailureNumber::FileNotFound
                                            : FailureNumber::PathNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return FailureNumber::PathNotFound;
    case EEXIST:
        return FailureNumber::FileExists;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return FailureNumber::DiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
        return FailureNumber::PermissionDenied;
    case ENXIO:
    case ENODEV:
    case EHOSTDOWN:
    case ENETUNREACH:
    case ENOMEDIUM:
        return FailureNumber::DeviceUnavailable;
    case EIO:
    case EAGAIN:
        return FailureNumber::DiskNotReady;
    default: // ENOTEMPTY, EBUSY, EISDIR, EXDEV, EINVAL, ...
        return FailureNumber::PathAccessError;
    }
}

Failure FailureForErrno(int err, const std::string& hostPath)
{
    return Failure(FailureNumberForErrno(err, hostPath));
}

} // namespace zv
