#pragma once

// The fixed-function pipeline and GLU, as every drawing file of the renderer uses them, with
// the prototypes of the later functions the context may offer (buffer objects).
#ifndef GL_GLEXT_PROTOTYPES
#define GL_GLEXT_PROTOTYPES
#endif
#include <GL/gl.h>
#include <GL/glu.h>
