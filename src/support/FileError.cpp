#include "support/FileError.h"

RuntimeError fileErrorOf(QFileDevice::FileError error)
{
    switch (error) {
    case QFileDevice::PermissionsError:
    case QFileDevice::OpenError:
        return RuntimeError::fromNumber(RuntimeError::PermissionDenied);
    case QFileDevice::ResourceError:
        return RuntimeError::fromNumber(RuntimeError::DiskFull);
    case QFileDevice::ReadError:
    case QFileDevice::WriteError:
        return RuntimeError::fromNumber(RuntimeError::DeviceIo);
    default:
        return RuntimeError::fromNumber(RuntimeError::PathFileAccess);
    }
}
