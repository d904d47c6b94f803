#pragma once

// The fixed-function pipeline and GLU, as every drawing file of the renderer uses them.
#include <GL/gl.h>
#include <GL/glu.h>
