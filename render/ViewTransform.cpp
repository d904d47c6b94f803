#include "render/ViewTransform.h"

#include "project/ViewState.h"
#include "render/BitmapFont.h"
#include "render/GlHeaders.h"
#include "render/RenderState.h"

namespace burgeon {

namespace {

float f32(double value) {
    return static_cast<float>(value);
}

void drawLabel(const BitmapFont& font, float x, float y, float z, const char* text) {
    glPushMatrix();
    glRasterPos3f(x, y, z);
    font.drawText(text);
    glPopMatrix();
}

// A segment seen from both sides: once with the colour as front material, once reversed
// with it as back material.
void drawAxisSegment(float red, float green, float blue, const GLfloat* from, const GLfloat* to) {
    const GLfloat material[] = {red, green, blue, 1.0f};
    glMaterialfv(GL_FRONT, GL_AMBIENT_AND_DIFFUSE, material);
    glColor3fv(material);
    glBegin(GL_LINES);
    glVertex3fv(from);
    glVertex3fv(to);
    glEnd();
    glMaterialfv(GL_BACK, GL_AMBIENT_AND_DIFFUSE, material);
    glColor3fv(material);
    glBegin(GL_LINES);
    glVertex3fv(to);
    glVertex3fv(from);
    glEnd();
}

} // namespace

bool setProjection(const ViewState& view, int panelWidth, int panelHeight) {
    // Without a height there is no aspect ratio, and a zero width would make it zero: such a
    // panel (a minimised window) keeps the previous projection.
    if (panelHeight <= 0 || panelWidth <= 0) {
        return false;
    }
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(view.zoomAngle, static_cast<double>(panelWidth) / panelHeight, 0.1, 500.0);
    glMatrixMode(GL_MODELVIEW);
    glViewport(0, 0, panelWidth, panelHeight);
    glShadeModel(GL_SMOOTH);
    return true;
}

void applyViewTransform(const ViewState& view) {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(f32(view.translationX), f32(view.translationY), f32(view.translationZ));
    glRotatef(f32(view.rotationX), 1.0f, 0.0f, 0.0f);
    glRotatef(f32(view.rotationY), 0.0f, 1.0f, 0.0f);
    glRotatef(f32(view.rotationZ), 0.0f, 0.0f, 1.0f);
    glRotatef(view.mouseYaw + view.dragYaw, 0.0f, 1.0f, 0.0f);
    glRotatef(view.mousePitch + view.dragPitch, 1.0f, 0.0f, 0.0f);
}

void resetView(ViewState& view) {
    view.rotationX = 0.0;
    view.rotationY = 0.0;
    view.rotationZ = 0.0;
    view.translationX = 0.0;
    view.translationY = -3.0;
    view.translationZ = -14.0;
}

void drawAxes(const BitmapFont& font) {
    setMaterial({255, 255, 255}, 1.0f);
    drawLabel(font, 3.2f, 0.0f, 0.0f, "X");
    drawLabel(font, 0.0f, -3.2f, 0.0f, "Y");
    drawLabel(font, 0.0f, 0.0f, 3.2f, "Z");
    glPushMatrix();
    glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
    glLineWidth(1.0f);
    const GLfloat xFrom[] = {-3.0f, 0.0f, 0.0f};
    const GLfloat xTo[] = {3.0f, 0.0f, 0.0f};
    const GLfloat yFrom[] = {0.0f, -3.0f, 0.0f};
    const GLfloat yTo[] = {0.0f, 3.0f, 0.0f};
    const GLfloat zFrom[] = {0.0f, 0.0f, -3.0f};
    const GLfloat zTo[] = {0.0f, 0.0f, 3.0f};
    drawAxisSegment(1.0f, 0.0f, 0.0f, xFrom, xTo);
    drawAxisSegment(0.0f, 1.0f, 0.0f, yFrom, yTo);
    drawAxisSegment(0.0f, 0.0f, 1.0f, zFrom, zTo);
    glPopMatrix();
    glFlush();
}

} // namespace burgeon
