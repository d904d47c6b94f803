#pragma once

#include "project/AnimationSettings.h"

#include <span>
#include <string>
#include <string_view>

namespace burgeon {

// One format a capture run writes its frames in: the Animation page's radio button, the
// command line's option and what a run in it writes. The page's captions and the command
// line's options, help and messages are made from this table.
struct CaptureFormatInfo {
    CaptureFormat format;
    std::string_view caption; // the radio button
    std::string_view option;  // the command line's
    std::string_view writes;
};

// Every capture format, in the order the page and the usage texts show them.
std::span<const CaptureFormatInfo> captureFormats();
const CaptureFormatInfo& captureFormatInfo(CaptureFormat format);
inline std::string captureFormatCaption(CaptureFormat format) {
    return std::string(captureFormatInfo(format).caption);
}
// "--jpeg, --gif-frames and --video".
std::string captureFormatOptions();

} // namespace burgeon
