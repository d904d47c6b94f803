#pragma once

namespace burgeon {

// The unit cylinder (radius 1, height 1 along +Z, 32 slices, 1 stack, open ends) and the unit
// sphere (radius 1, 16 x 16), built once into display lists of the current context, so each
// organ is a scale and a list call instead of two new quadric objects.
class UnitGeometry {
public:
    UnitGeometry() = default;
    UnitGeometry(const UnitGeometry&) = delete;
    UnitGeometry& operator=(const UnitGeometry&) = delete;
    ~UnitGeometry();

    void build();
    void release();

    unsigned cylinderList() const { return cylinderList_; }
    unsigned sphereList() const { return sphereList_; }

private:
    unsigned cylinderList_ = 0;
    unsigned sphereList_ = 0;
};

} // namespace burgeon
