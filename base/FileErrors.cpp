#include "base/FileErrors.h"

#include <cerrno>
#include <cstring>

namespace burgeon {

std::string fileErrorReason(int error) {
    switch (error) {
    case ENOENT:
        return "no such folder";
    case ENOTDIR:
        return "a part of the path is a file, not a folder";
    case EACCES:
    case EPERM:
        return "no permission to write in that folder";
    case EROFS:
        return "the folder is on a read-only file system";
    case EFBIG:
        return "file too large: the file-size limit was reached";
    case ENOSPC:
        return "no space left on the disk";
    case EDQUOT:
        return "the disk quota is used up";
    case EISDIR:
        return "a folder has that name";
    case ENAMETOOLONG:
        return "the name is too long";
    case EMFILE:
    case ENFILE:
        return "too many files are open";
    default:
        return std::strerror(error);
    }
}

StandardError cannotCreateFileBecause(const std::string& fileName, const std::string& reason) {
    return StandardError(std::string(StandardError::cannotCreateFile(fileName).what()) + " (" +
                         reason + ")");
}

StandardError cannotCreateFileBecause(const std::string& fileName, int error) {
    return cannotCreateFileBecause(fileName, fileErrorReason(error));
}

} // namespace burgeon
