#pragma once

#include "render/RenderHost.h"

#include <memory>
#include <stdexcept>
#include <string>

namespace burgeon {

// Failure to get a headless OpenGL context (no EGL display, no compatibility context...).
class HeadlessContextError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An OpenGL compatibility context without a display server: EGL on Mesa's surfaceless
// platform, drawing into a framebuffer object of the requested size with RGBA colour and a
// 32-bit depth buffer (24 bits when 32 are not offered). Double buffering is kept as a second
// framebuffer that receives each finished frame.
class HeadlessContext : public RenderHost {
public:
    HeadlessContext(int width, int height);
    ~HeadlessContext() override;
    HeadlessContext(const HeadlessContext&) = delete;
    HeadlessContext& operator=(const HeadlessContext&) = delete;

    int width() const;
    int height() const;
    int depthBits() const;
    std::string rendererName() const;

    void makeCurrent() override;
    // Makes no context current on this thread when this one is, so that another thread may
    // make it current next (a context is current on one thread at a time).
    void releaseCurrent();
    void swapBuffers() override;
    RgbImage readPixels(int width, int height) override;
    RgbImage shownPixels(int width, int height) override;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace burgeon
