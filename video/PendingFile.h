#pragma once

#include <string>

namespace burgeon {

// A file written under a temporary name in its target's folder and renamed to the target only
// by commit(), so the target is whole or absent (an existing target stays as it was until the
// rename). Destroyed without commit(), the temporary file is removed.
class PendingFile {
public:
    // Creates the temporary file (the target name with a unique suffix). Throws
    // "Cannot create file %s" with the target's name when the folder does not take it.
    explicit PendingFile(std::string targetName);
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    const std::string& targetName() const { return targetName_; }
    // Where the content goes until commit().
    const std::string& temporaryName() const { return temporaryName_; }

    // Flushes the content to the disk and renames it to the target. Throws
    // "Cannot create file %s" when that fails; the temporary file is then removed.
    void commit();

private:
    void discard();

    std::string targetName_;
    std::string temporaryName_;
    int descriptor_ = -1;
};

} // namespace burgeon
