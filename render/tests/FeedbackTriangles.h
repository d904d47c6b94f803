#pragma once

// The triangles the pipeline would draw, as its feedback mode returns them, for tests that
// hold shapes made without OpenGL against GLU's own.

#include "render/GlHeaders.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <functional>
#include <vector>

namespace burgeon::testing {

// A corner in window coordinates (x, y in pixels, depth 0 to 1).
using WindowCorner = std::array<double, 3>;
using WindowTriangle = std::array<WindowCorner, 3>;

// The feedback view: an orthographic box of +-2 on a viewport of 2000 pixels each way.
constexpr double FeedbackPixelsPerUnit = 500.0;

// Where the feedback view puts a point given in its box.
inline WindowCorner feedbackWindowCorner(double x, double y, double z) {
    return {(x + 2.0) * FeedbackPixelsPerUnit, (y + 2.0) * FeedbackPixelsPerUnit, 0.5 - z / 4.0};
}

// Runs `draw` in feedback mode on the current context with culling off, the model-view
// matrix selected and loaded with identity, and returns the triangles the pipeline would draw.
inline std::vector<WindowTriangle> feedbackTriangles(const std::function<void()>& draw) {
    std::vector<GLfloat> buffer(std::size_t{1} << 18);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    glViewport(0, 0, 2000, 2000);
    glDisable(GL_CULL_FACE);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-2, 2, -2, 2, -2, 2);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    draw();
    const GLint used = glRenderMode(GL_RENDER);
    EXPECT_GE(used, 0) << "the feedback buffer overflowed";
    std::vector<WindowTriangle> triangles;
    for (GLint i = 0; i < used;) {
        EXPECT_EQ(buffer[static_cast<std::size_t>(i++)], GL_POLYGON_TOKEN);
        EXPECT_EQ(buffer[static_cast<std::size_t>(i++)], 3.0f)
            << "the pipeline splits into triangles";
        WindowTriangle& triangle = triangles.emplace_back();
        for (WindowCorner& corner : triangle) {
            for (double& value : corner) {
                value = buffer[static_cast<std::size_t>(i++)];
            }
        }
    }
    return triangles;
}

// The same corners in the same turning order, starting anywhere: the same triangle with the
// same winding, within a hundredth of a pixel.
inline bool sameWindowTriangle(const WindowTriangle& a, const WindowTriangle& b) {
    const auto same = [](const WindowCorner& p, const WindowCorner& q) {
        return std::abs(p[0] - q[0]) < 0.01 && std::abs(p[1] - q[1]) < 0.01 &&
               std::abs(p[2] - q[2]) < 1e-5;
    };
    for (std::size_t shift = 0; shift < 3; ++shift) {
        if (same(a[0], b[shift]) && same(a[1], b[(shift + 1) % 3]) &&
            same(a[2], b[(shift + 2) % 3])) {
            return true;
        }
    }
    return false;
}

// As many triangles, each of ours matched by a different one of theirs.
inline void expectSameTriangles(const std::vector<WindowTriangle>& ours,
                                const std::vector<WindowTriangle>& theirs) {
    ASSERT_EQ(ours.size(), theirs.size());
    std::vector<bool> matched(theirs.size(), false);
    for (std::size_t i = 0; i < ours.size(); ++i) {
        bool found = false;
        for (std::size_t k = 0; k < theirs.size() && !found; ++k) {
            if (!matched[k] && sameWindowTriangle(ours[i], theirs[k])) {
                matched[k] = true;
                found = true;
            }
        }
        EXPECT_TRUE(found) << "triangle " << i << " is not among theirs";
    }
}

} // namespace burgeon::testing
