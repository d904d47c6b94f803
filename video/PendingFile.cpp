#include "video/PendingFile.h"

#include "base/StandardError.h"

#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace burgeon {

PendingFile::PendingFile(std::string targetName)
    : targetName_(std::move(targetName)), temporaryName_(targetName_ + ".XXXXXX") {
    descriptor_ = mkstemp(temporaryName_.data());
    if (descriptor_ < 0) {
        throw StandardError::cannotCreateFile(targetName_);
    }
    // mkstemp creates the file readable by its owner only; give it the usual permissions.
    if (fchmod(descriptor_, 0644) != 0) {
        discard();
        throw StandardError::cannotCreateFile(targetName_);
    }
}

PendingFile::~PendingFile() {
    discard();
}

void PendingFile::commit() {
    // The descriptor stays open while others write through the name, so it syncs their data.
    bool committed = fsync(descriptor_) == 0;
    committed = ::close(descriptor_) == 0 && committed;
    descriptor_ = -1;
    if (!committed || std::rename(temporaryName_.c_str(), targetName_.c_str()) != 0) {
        discard();
        throw StandardError::cannotCreateFile(targetName_);
    }
    temporaryName_.clear();
}

void PendingFile::discard() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
        descriptor_ = -1;
    }
    if (!temporaryName_.empty()) {
        std::remove(temporaryName_.c_str());
        temporaryName_.clear();
    }
}

} // namespace burgeon
