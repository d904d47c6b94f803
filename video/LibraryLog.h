#pragma once

#include <string>

namespace burgeon {

// FFmpeg writes its own log to stderr, which would spill encoder chatter and duplicate our
// errors on the terminal. Once any video is opened, nothing of it is printed: its error lines
// are kept instead and folded into the message of the step that failed. Each call also
// forgets the lines kept so far, so an encoder starts with none.
void silenceLibraryLog();

// The text of an FFmpeg error code ("File too large"), followed by the error lines the
// libraries logged since the last call, e.g. "Invalid argument (libx264: width not divisible
// by 2)". Clears the kept lines.
std::string libraryFailure(int code);

} // namespace burgeon
