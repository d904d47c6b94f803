#include "render/UnitGeometry.h"

#include "drawing/QuadricShapes.h"
#include "render/GlHeaders.h"

namespace burgeon {

UnitGeometry::~UnitGeometry() {
    release();
}

void UnitGeometry::build() {
    release();
    GLUquadric* quadric = gluNewQuadric();
    cylinderList_ = glGenLists(2);
    sphereList_ = cylinderList_ + 1;
    glNewList(cylinderList_, GL_COMPILE);
    gluCylinder(quadric, 1.0, 1.0, 1.0, CylinderSlices, CylinderStacks);
    glEndList();
    glNewList(sphereList_, GL_COMPILE);
    gluSphere(quadric, 1.0, CapSlices, CapStacks);
    glEndList();
    gluDeleteQuadric(quadric);
}

// Deleting needs the context that built the lists; the owner releases before the context
// goes.
void UnitGeometry::release() {
    if (cylinderList_ != 0) {
        glDeleteLists(cylinderList_, 2);
        cylinderList_ = 0;
        sphereList_ = 0;
    }
}

} // namespace burgeon
