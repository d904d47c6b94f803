#include "render/GlDrawingTarget.h"

#include "components/MaterialSet.h"
#include "render/GlHeaders.h"
#include "render/RenderState.h"
#include "render/UnitGeometry.h"

namespace burgeon {

GlDrawingTarget::GlDrawingTarget(const UnitGeometry& geometry) : geometry_(geometry) {
    overflow_.reserve(64);
}

void GlDrawingTarget::synchroniseDepth() {
    GLint depth = 1;
    GLint limit = 32;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    glGetIntegerv(GL_MAX_MODELVIEW_STACK_DEPTH, &limit);
    // depth_ counts pushes, the pipeline counts matrices (1 when nothing is pushed).
    depth_ = depth - 1;
    pipelineDepthLimit_ = limit - 1;
}

void GlDrawingTarget::startWalk() {
    segments_.clear();
    if (detail_ == DrawingDetail::Auto) {
        surfaces_.clear();
    }
}

void GlDrawingTarget::finishWalk() {
    if (detail_ != DrawingDetail::Auto) {
        return;
    }
    // Back faces are culled, so lighting them as well (two-sided lighting, which the land
    // leaves on) is work no pixel shows.
    GLint twoSided = GL_FALSE;
    glGetIntegerv(GL_LIGHT_MODEL_TWO_SIDE, &twoSided);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_FALSE);
    segments_.draw();
    surfaces_.draw(inputs_.leafTexture);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, twoSided);
}

void GlDrawingTarget::release() {
    segments_.release();
    surfaces_.release();
}

SurfaceSink& GlDrawingTarget::surfaceSink() {
    if (detail_ == DrawingDetail::Auto) {
        return surfaces_;
    }
    return *this;
}

void GlDrawingTarget::pushMatrix() {
    if (depth_ < pipelineDepthLimit_) {
        glPushMatrix();
    } else {
        const auto slot = static_cast<std::size_t>(depth_ - pipelineDepthLimit_);
        if (slot >= overflow_.size()) {
            overflow_.resize(slot + 1);
        }
        glGetFloatv(GL_MODELVIEW_MATRIX, overflow_[slot].data());
    }
    ++depth_;
}

void GlDrawingTarget::popMatrix() {
    if (depth_ == 0) {
        return;
    }
    --depth_;
    if (depth_ < pipelineDepthLimit_) {
        glPopMatrix();
    } else {
        glLoadMatrixf(overflow_[static_cast<std::size_t>(depth_ - pipelineDepthLimit_)].data());
    }
}

void GlDrawingTarget::translate(float x, float y, float z) {
    glTranslatef(x, y, z);
}

void GlDrawingTarget::rotate(float degrees, float x, float y, float z) {
    glRotatef(degrees, x, y, z);
}

void GlDrawingTarget::scale(float x, float y, float z) {
    glScalef(x, y, z);
}

void GlDrawingTarget::drawCappedCylinder(RgbColor color, double length, double radius) {
    if (detail_ == DrawingDetail::Auto) {
        std::array<GLfloat, 16> modelView{};
        glGetFloatv(GL_MODELVIEW_MATRIX, modelView.data());
        segments_.add(modelView, length, radius, color);
        return;
    }
    setMaterial(color, 1.0f);
    if (cylinderGeometry_ == CylinderGeometry::QuadricPerOrgan) {
        GLUquadric* side = gluNewQuadric();
        GLUquadric* cap = gluNewQuadric();
        pushMatrix();
        glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
        gluCylinder(side, radius, radius, length, CylinderSlices, CylinderStacks);
        gluSphere(cap, radius, CapSlices, CapStacks);
        popMatrix();
        gluDeleteQuadric(side);
        gluDeleteQuadric(cap);
        return;
    }
    // The unit shapes scaled; normal renormalisation keeps the lighting of the quadrics.
    pushMatrix();
    glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
    pushMatrix();
    glScaled(radius, radius, length);
    glCallList(geometry_.cylinderList());
    popMatrix();
    glScaled(radius, radius, radius);
    glCallList(geometry_.sphereList());
    popMatrix();
}

void GlDrawingTarget::drawInternode(double length, double radius) {
    drawCappedCylinder(inputs_.materials->internodeColor, length, radius);
}

void GlDrawingTarget::drawPetiole(double length, double radius) {
    drawCappedCylinder(inputs_.materials->petioleColor, length, radius);
}

void GlDrawingTarget::drawLeaf(double depth, double length, double width, const WindTurn& wind) {
    drawLeafSurface(surfaceSink(), *inputs_.leaf, *inputs_.placement, *inputs_.materials,
                    inputs_.texturesEnabled, depth, length, width, wind);
}

void GlDrawingTarget::drawFlower(double depth, double length, double width) {
    drawFlowerSurface(surfaceSink(), *inputs_.flower, *inputs_.placement, *inputs_.materials, depth,
                      length, width);
}

void GlDrawingTarget::drawLand() {
    const bool textured = inputs_.texturesEnabled;
    setMaterial(inputs_.materials->landColor, 1.0f);
    pushMatrix();
    if (textured) {
        glEnable(GL_TEXTURE_2D);
        // Two-sided lighting stays on from here on, as the land leaves it.
        glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_TRUE);
        glBindTexture(GL_TEXTURE_2D, inputs_.landTexture);
    }
    glBegin(GL_POLYGON);
    glNormal3f(0.0f, -1.0f, 0.0f);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(3.0f, -2.5f, 3.0f);
    glTexCoord2f(0.0f, 8.0f);
    glVertex3f(-3.0f, -2.5f, 3.0f);
    glTexCoord2f(8.0f, 8.0f);
    glVertex3f(-3.0f, -2.5f, -3.0f);
    glTexCoord2f(8.0f, 0.0f);
    glVertex3f(3.0f, -2.5f, -3.0f);
    glEnd();
    glBegin(GL_POLYGON);
    glNormal3f(0.0f, 1.0f, 0.0f);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(3.0f, -2.5f, 3.0f);
    glTexCoord2f(8.0f, 0.0f);
    glVertex3f(3.0f, -2.5f, -3.0f);
    glTexCoord2f(8.0f, 8.0f);
    glVertex3f(-3.0f, -2.5f, -3.0f);
    glTexCoord2f(0.0f, 8.0f);
    glVertex3f(-3.0f, -2.5f, 3.0f);
    glEnd();
    popMatrix();
    flush();
    if (textured) {
        glDisable(GL_TEXTURE_2D);
    }
}

void GlDrawingTarget::setPolygonSmoothing(bool on) {
    if (on) {
        glEnable(GL_POLYGON_SMOOTH);
    } else {
        glDisable(GL_POLYGON_SMOOTH);
    }
}

void GlDrawingTarget::setFrontMaterial(RgbColor color, float alpha) {
    setMaterial(color, alpha);
}

void GlDrawingTarget::setSurfaceSpecular() {
    static const GLfloat specular[] = {0.7f, 0.7f, 0.7f, 1.0f};
    glMaterialfv(GL_FRONT, GL_SPECULAR, specular);
    glMaterialf(GL_FRONT, GL_SHININESS, 128.0f);
}

void GlDrawingTarget::setLeafTexturing(bool on) {
    if (on) {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, inputs_.leafTexture);
    } else {
        glDisable(GL_TEXTURE_2D);
    }
}

void GlDrawingTarget::beginTriangles() {
    glBegin(GL_TRIANGLES);
}

void GlDrawingTarget::vertex(const Vector3& normal, const double* texCoord, double x, double y,
                             double z) {
    glNormal3d(normal.x, normal.y, normal.z);
    if (texCoord != nullptr) {
        glTexCoord2d(texCoord[0], texCoord[1]);
    }
    glVertex3d(x, y, z);
}

void GlDrawingTarget::endTriangles() {
    glEnd();
}

void GlDrawingTarget::flush() {
    if (flushEachShape_) {
        glFlush();
    }
}

} // namespace burgeon
