#include "video/LibraryLog.h"

extern "C" {
#include <libavutil/error.h>
#include <libavutil/log.h>
}

#include <cstdarg>
#include <cstdio>
#include <mutex>

namespace burgeon {

namespace {

// Encoder threads log too, so the kept lines are guarded.
std::mutex keptLinesMutex;
std::string keptLines;

std::string itemName(void* item) {
    if (item == nullptr) {
        return {};
    }
    const AVClass* itemClass = *static_cast<AVClass**>(item);
    if (itemClass == nullptr || itemClass->item_name == nullptr) {
        return {};
    }
    return std::string(itemClass->item_name(item)) + ": ";
}

void keepErrorLines(void* item, int level, const char* format, va_list arguments) {
    if (level > AV_LOG_ERROR) {
        return;
    }
    char text[512];
    std::vsnprintf(text, sizeof text, format, arguments);
    std::string line = itemName(item) + text;
    while (!line.empty() && (line.back() == '\n' || line.back() == ' ')) {
        line.pop_back();
    }
    const std::lock_guard lock(keptLinesMutex);
    if (keptLines.size() < 1000) {
        keptLines += (keptLines.empty() ? "" : "; ") + line;
    }
}

} // namespace

void silenceLibraryLog() {
    static std::once_flag installed;
    std::call_once(installed, [] { av_log_set_callback(keepErrorLines); });
    const std::lock_guard lock(keptLinesMutex);
    keptLines.clear();
}

std::string libraryFailure(int code) {
    char reason[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, reason, sizeof reason);
    const std::lock_guard lock(keptLinesMutex);
    std::string text = reason;
    if (!keptLines.empty()) {
        text += " (" + keptLines + ")";
        keptLines.clear();
    }
    return text;
}

} // namespace burgeon
