#include "Errors.h"

#include <cerrno>

std::string InOutError::textFor(int code)
{
    switch (code) {
    case IoCode::FileNotFound: return "File not found";
    case IoCode::InvalidFilename: return "Invalid filename";
    case IoCode::TooManyOpenFiles: return "Too many open files";
    case IoCode::AccessDenied: return "File access denied";
    case IoCode::ReadBeyondEnd: return "Read beyond end of file";
    case IoCode::DiskFull: return "Disk full";
    case IoCode::InvalidNumericInput: return "Invalid numeric input";
    default: return "I/O error " + std::to_string(code);
    }
}

InOutError::InOutError(int code) : AppError(textFor(code)), code_(code) {}

int ioCodeFromErrno(int err)
{
    switch (err) {
    case ENOENT:
    case ENOTDIR:
        return IoCode::FileNotFound;
    case ENAMETOOLONG:
    case EINVAL:
    case ELOOP:
        return IoCode::InvalidFilename;
    case EMFILE:
    case ENFILE:
        return IoCode::TooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
    case EBUSY:
        return IoCode::AccessDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return IoCode::DiskFull;
    default:
        // Any other system error keeps its own number, moved clear of the
        // numbers that have texts of their own (EIO is 5, for one).
        switch (err) {
        case IoCode::FileNotFound: case IoCode::InvalidFilename: case IoCode::TooManyOpenFiles:
        case IoCode::AccessDenied: case IoCode::ReadBeyondEnd: case IoCode::DiskFull:
        case IoCode::FileNotAssigned: case IoCode::FileNotOpen: case IoCode::InvalidNumericInput:
            return 1000 + err;
        default:
            return err;
        }
    }
}

void raiseErrno(int err)
{
    throw InOutError(ioCodeFromErrno(err));
}

ConvertError::ConvertError(const std::string &text)
    : AppError("'" + text + "' is not a valid integer value")
{
}

ListIndexError::ListIndexError(int index)
    : AppError("List index out of bounds (" + std::to_string(index) + ")")
{
}

JpegError::JpegError(int msgCode)
    : AppError("JPEG error #" + std::to_string(msgCode)), msgCode_(msgCode)
{
}
