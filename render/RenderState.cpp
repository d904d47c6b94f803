#include "render/RenderState.h"

#include "render/GlHeaders.h"

namespace burgeon {

namespace {

void setLight(GLenum light, const GLfloat* position) {
    static const GLfloat ambient[] = {0.1f, 0.1f, 0.1f, 1.0f};
    static const GLfloat diffuse[] = {0.7f, 0.7f, 0.7f, 1.0f};
    static const GLfloat specular[] = {0.5f, 0.6f, 0.5f, 1.0f};
    glLightfv(light, GL_POSITION, position);
    glLightfv(light, GL_AMBIENT, ambient);
    glLightfv(light, GL_DIFFUSE, diffuse);
    glLightfv(light, GL_SPECULAR, specular);
    glEnable(light);
}

} // namespace

void initRenderState() {
    static const GLfloat light0Position[] = {1.0f, 150.0f, 1.0f, 1.0f};
    static const GLfloat light5Position[] = {150.0f, 1.0f, 1.0f, 1.0f};
    glMatrixMode(GL_PROJECTION);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_LIGHTING);
    // The positions are given while the model-view matrix is the identity, so the lights stay
    // fixed relative to the viewer.
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    setLight(GL_LIGHT0, light0Position);
    setLight(GL_LIGHT5, light5Position);
    glPopMatrix();
    glEnable(GL_AUTO_NORMAL);
    glEnable(GL_NORMALIZE);
    // The leaf and flower passes set the surface specular and nothing resets it, so every
    // frame after the first shows it on all organs; set from the start, the first frame (the
    // only one of a picture drawn headless) looks like the rest.
    static const GLfloat surfaceSpecular[] = {0.7f, 0.7f, 0.7f, 1.0f};
    glMaterialfv(GL_FRONT, GL_SPECULAR, surfaceSpecular);
    glMaterialf(GL_FRONT, GL_SHININESS, 128.0f);
    glMatrixMode(GL_PROJECTION);
}

bool cullsBackFaces() {
    GLint cullMode = GL_BACK;
    GLint frontFace = GL_CCW;
    glGetIntegerv(GL_CULL_FACE_MODE, &cullMode);
    glGetIntegerv(GL_FRONT_FACE, &frontFace);
    return glIsEnabled(GL_CULL_FACE) == GL_TRUE && cullMode == GL_BACK && frontFace == GL_CCW;
}

void setMaterial(RgbColor color, float alpha) {
    const GLfloat material[] = {static_cast<GLfloat>(color.red) / 255.0f,
                                static_cast<GLfloat>(color.green) / 255.0f,
                                static_cast<GLfloat>(color.blue) / 255.0f, alpha};
    glMaterialfv(GL_FRONT, GL_AMBIENT_AND_DIFFUSE, material);
}

} // namespace burgeon
