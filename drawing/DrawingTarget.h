#pragma once

#include "lsystem/PlantState.h"

namespace burgeon {

// The three pseudo-random wind terms added to a leaf's own angles (0 when Wind is 1).
struct WindTurn {
    int x = 0;
    int y = 0;
    int z = 0;
};

// The node the walk is about to draw: its index in the node table, its kind and level as the
// table holds them, its age at the frame's time and the time it is born (0 for a node of no
// organ kind, which stays at age 0).
struct WalkedNode {
    int index = 0;
    OrganKind kind{};
    int level = 0;
    double age = 0.0;
    double birthTime = 0.0;
};

// What the plant walk and the frame ask of a drawing back end: the model-view matrix
// operations and the five shape routines. One implementation issues OpenGL calls; a recording
// one keeps its own matrix stack and lists the organs, so the walk can be checked without a
// context. Angles in degrees, passed as the pipeline receives them (32-bit floats).
class DrawingTarget {
public:
    virtual ~DrawingTarget() = default;

    virtual void pushMatrix() = 0;
    virtual void popMatrix() = 0;
    virtual void translate(float x, float y, float z) = 0;
    virtual void rotate(float degrees, float x, float y, float z) = 0;
    virtual void scale(float x, float y, float z) = 0;

    // Capped cylinders from the current origin down along -Y, length and radius as given.
    virtual void drawInternode(double length, double radius) = 0;
    virtual void drawPetiole(double length, double radius) = 0;
    // Surfaces with depth, length and width factors; the leaf also turns with the wind.
    virtual void drawLeaf(double depth, double length, double width, const WindTurn& wind) = 0;
    virtual void drawFlower(double depth, double length, double width) = 0;
    virtual void drawLand() = 0;

    // The walk announces each node before drawing it, so a recording can name the organs.
    virtual void enterNode(const WalkedNode& /*node*/) {}
};

} // namespace burgeon
