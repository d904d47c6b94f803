#include "render/HeadlessContext.h"

#include "render/GlHeaders.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/glext.h>

#include <algorithm>
#include <cstddef>
#include <vector>

namespace burgeon {

namespace {

// The framebuffer functions of OpenGL 3.0, fetched from EGL.
struct FramebufferFunctions {
    PFNGLGENFRAMEBUFFERSPROC genFramebuffers = nullptr;
    PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers = nullptr;
    PFNGLBINDFRAMEBUFFERPROC bindFramebuffer = nullptr;
    PFNGLGENRENDERBUFFERSPROC genRenderbuffers = nullptr;
    PFNGLDELETERENDERBUFFERSPROC deleteRenderbuffers = nullptr;
    PFNGLBINDRENDERBUFFERPROC bindRenderbuffer = nullptr;
    PFNGLRENDERBUFFERSTORAGEPROC renderbufferStorage = nullptr;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC framebufferRenderbuffer = nullptr;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus = nullptr;
    PFNGLBLITFRAMEBUFFERPROC blitFramebuffer = nullptr;
};

template <typename Function> void fetch(Function& function, const char* name) {
    function = reinterpret_cast<Function>(eglGetProcAddress(name));
    if (function == nullptr) {
        throw HeadlessContextError(std::string("OpenGL function missing: ") + name);
    }
}

FramebufferFunctions fetchFramebufferFunctions() {
    FramebufferFunctions f;
    fetch(f.genFramebuffers, "glGenFramebuffers");
    fetch(f.deleteFramebuffers, "glDeleteFramebuffers");
    fetch(f.bindFramebuffer, "glBindFramebuffer");
    fetch(f.genRenderbuffers, "glGenRenderbuffers");
    fetch(f.deleteRenderbuffers, "glDeleteRenderbuffers");
    fetch(f.bindRenderbuffer, "glBindRenderbuffer");
    fetch(f.renderbufferStorage, "glRenderbufferStorage");
    fetch(f.framebufferRenderbuffer, "glFramebufferRenderbuffer");
    fetch(f.checkFramebufferStatus, "glCheckFramebufferStatus");
    fetch(f.blitFramebuffer, "glBlitFramebuffer");
    return f;
}

// The surfaceless display, initialised once and kept for the life of the process: contexts
// come and go on it without loading the driver again each time.
EGLDisplay sharedDisplay() {
    static const EGLDisplay display = [] {
        auto getPlatformDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
            eglGetProcAddress("eglGetPlatformDisplayEXT"));
        if (getPlatformDisplay == nullptr) {
            return EGL_NO_DISPLAY;
        }
        EGLDisplay opened =
            getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
        if (opened == EGL_NO_DISPLAY || eglInitialize(opened, nullptr, nullptr) != EGL_TRUE) {
            return EGL_NO_DISPLAY;
        }
        return opened;
    }();
    return display;
}

} // namespace

struct HeadlessContext::Impl {
    EGLDisplay display = EGL_NO_DISPLAY;
    EGLContext context = EGL_NO_CONTEXT;
    FramebufferFunctions gl;
    int width = 0;
    int height = 0;
    int depthBits = 0;
    GLuint drawFramebuffer = 0;
    GLuint shownFramebuffer = 0;
    GLuint renderbuffers[4] = {0, 0, 0, 0};

    // A colour and depth framebuffer; false when the depth format is not offered.
    bool makeFramebuffer(GLuint& framebuffer, GLuint* buffers, GLenum depthFormat) {
        gl.genFramebuffers(1, &framebuffer);
        gl.bindFramebuffer(GL_FRAMEBUFFER, framebuffer);
        gl.genRenderbuffers(2, buffers);
        gl.bindRenderbuffer(GL_RENDERBUFFER, buffers[0]);
        gl.renderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
        gl.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER,
                                   buffers[0]);
        gl.bindRenderbuffer(GL_RENDERBUFFER, buffers[1]);
        gl.renderbufferStorage(GL_RENDERBUFFER, depthFormat, width, height);
        gl.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER,
                                   buffers[1]);
        const bool complete =
            gl.checkFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE &&
            glGetError() == GL_NO_ERROR;
        if (!complete) {
            gl.bindFramebuffer(GL_FRAMEBUFFER, 0);
            gl.deleteFramebuffers(1, &framebuffer);
            gl.deleteRenderbuffers(2, buffers);
            framebuffer = 0;
            buffers[0] = buffers[1] = 0;
        }
        return complete;
    }

    void makeFramebuffers() {
        for (const auto& [format, bits] : {std::pair<GLenum, int>{GL_DEPTH_COMPONENT32, 32},
                                           std::pair<GLenum, int>{GL_DEPTH_COMPONENT24, 24}}) {
            if (makeFramebuffer(drawFramebuffer, renderbuffers, format)) {
                if (!makeFramebuffer(shownFramebuffer, renderbuffers + 2, format)) {
                    throw HeadlessContextError("cannot make the shown framebuffer");
                }
                GLint realBits = bits;
                gl.bindFramebuffer(GL_FRAMEBUFFER, drawFramebuffer);
                glGetIntegerv(GL_DEPTH_BITS, &realBits);
                depthBits = realBits;
                return;
            }
        }
        throw HeadlessContextError("no framebuffer with a 32 or 24-bit depth buffer");
    }

    RgbImage read(GLuint framebuffer, int wantedWidth, int wantedHeight) const {
        const int w = std::clamp(wantedWidth, 0, width);
        const int h = std::clamp(wantedHeight, 0, height);
        RgbImage image(w, h);
        if (w == 0 || h == 0) {
            return image;
        }
        gl.bindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
        std::vector<std::uint8_t> rows(static_cast<std::size_t>(w) * h * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        // The region starts at the top-left corner of the picture.
        glReadPixels(0, height - h, w, h, GL_RGB, GL_UNSIGNED_BYTE, rows.data());
        gl.bindFramebuffer(GL_READ_FRAMEBUFFER, drawFramebuffer);
        // The pipeline gives the bottom row first; the image keeps the top row first.
        const auto rowBytes = static_cast<std::size_t>(w) * 3;
        for (int y = 0; y < h; ++y) {
            std::copy_n(rows.begin() + static_cast<std::ptrdiff_t>((h - 1 - y) * rowBytes),
                        rowBytes,
                        image.bytes().begin() + static_cast<std::ptrdiff_t>(y * rowBytes));
        }
        return image;
    }
};

HeadlessContext::HeadlessContext(int width, int height) : impl_(std::make_unique<Impl>()) {
    Impl& s = *impl_;
    if (width <= 0 || height <= 0) {
        throw HeadlessContextError("the drawing size must be positive");
    }
    s.width = width;
    s.height = height;
    s.display = sharedDisplay();
    if (s.display == EGL_NO_DISPLAY) {
        throw HeadlessContextError("cannot open the surfaceless EGL display");
    }
    try {
        if (eglBindAPI(EGL_OPENGL_API) != EGL_TRUE) {
            throw HeadlessContextError("EGL cannot bind desktop OpenGL");
        }
        const EGLint configAttributes[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE,
                                           EGL_OPENGL_BIT, EGL_NONE};
        EGLConfig config = nullptr;
        EGLint configCount = 0;
        if (eglChooseConfig(s.display, configAttributes, &config, 1, &configCount) != EGL_TRUE ||
            configCount == 0) {
            const EGLint anyConfig[] = {EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT, EGL_NONE};
            if (eglChooseConfig(s.display, anyConfig, &config, 1, &configCount) != EGL_TRUE ||
                configCount == 0) {
                config = nullptr;
            }
        }
        const EGLint contextAttributes[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK,
                                            EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT, EGL_NONE};
        s.context = eglCreateContext(s.display, config, EGL_NO_CONTEXT, contextAttributes);
        if (s.context == EGL_NO_CONTEXT) {
            throw HeadlessContextError("cannot create an OpenGL compatibility context");
        }
        makeCurrent();
        s.gl = fetchFramebufferFunctions();
        s.makeFramebuffers();
        s.gl.bindFramebuffer(GL_FRAMEBUFFER, s.drawFramebuffer);
        glViewport(0, 0, width, height);
    } catch (...) {
        if (s.context != EGL_NO_CONTEXT) {
            eglMakeCurrent(s.display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
            eglDestroyContext(s.display, s.context);
        }
        throw;
    }
}

HeadlessContext::~HeadlessContext() {
    Impl& s = *impl_;
    if (eglMakeCurrent(s.display, EGL_NO_SURFACE, EGL_NO_SURFACE, s.context) != EGL_TRUE) {
        eglDestroyContext(s.display, s.context);
        return;
    }
    s.gl.bindFramebuffer(GL_FRAMEBUFFER, 0);
    s.gl.deleteFramebuffers(1, &s.drawFramebuffer);
    s.gl.deleteFramebuffers(1, &s.shownFramebuffer);
    s.gl.deleteRenderbuffers(4, s.renderbuffers);
    eglMakeCurrent(s.display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    eglDestroyContext(s.display, s.context);
}

int HeadlessContext::width() const {
    return impl_->width;
}

int HeadlessContext::height() const {
    return impl_->height;
}

int HeadlessContext::depthBits() const {
    return impl_->depthBits;
}

std::string HeadlessContext::rendererName() const {
    const auto* name = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    return name != nullptr ? name : "";
}

void HeadlessContext::makeCurrent() {
    Impl& s = *impl_;
    if (eglMakeCurrent(s.display, EGL_NO_SURFACE, EGL_NO_SURFACE, s.context) != EGL_TRUE) {
        throw HeadlessContextError("cannot make the headless context current");
    }
    if (s.drawFramebuffer != 0) {
        s.gl.bindFramebuffer(GL_FRAMEBUFFER, s.drawFramebuffer);
    }
}

void HeadlessContext::releaseCurrent() {
    const Impl& s = *impl_;
    if (eglGetCurrentContext() == s.context) {
        eglMakeCurrent(s.display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    }
}

void HeadlessContext::swapBuffers() {
    Impl& s = *impl_;
    s.gl.bindFramebuffer(GL_READ_FRAMEBUFFER, s.drawFramebuffer);
    s.gl.bindFramebuffer(GL_DRAW_FRAMEBUFFER, s.shownFramebuffer);
    s.gl.blitFramebuffer(0, 0, s.width, s.height, 0, 0, s.width, s.height, GL_COLOR_BUFFER_BIT,
                         GL_NEAREST);
    s.gl.bindFramebuffer(GL_FRAMEBUFFER, s.drawFramebuffer);
}

RgbImage HeadlessContext::readPixels(int width, int height) {
    return impl_->read(impl_->drawFramebuffer, width, height);
}

RgbImage HeadlessContext::shownPixels(int width, int height) {
    return impl_->read(impl_->shownFramebuffer, width, height);
}

} // namespace burgeon
