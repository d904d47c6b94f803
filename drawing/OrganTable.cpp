#include "drawing/OrganTable.h"

#include "base/NumberText.h"

namespace burgeon {

namespace {

void appendNumber(std::string& out, double value) {
    out += ',';
    out += formatRoundTrip(value);
}

void appendPoint(std::string& out, const Vector3& point) {
    appendNumber(out, point.x);
    appendNumber(out, point.y);
    appendNumber(out, point.z);
}

} // namespace

std::string organTableCsv(const std::vector<RecordedOrgan>& organs) {
    std::string out = "node,organ,level,age,a,b,c,x0,y0,z0,x1,y1,z1\n";
    for (const RecordedOrgan& organ : organs) {
        if (organ.shape == RecordedShape::Land || organ.node <= 0) {
            continue;
        }
        out += std::to_string(organ.node);
        out += ',';
        switch (organ.shape) {
        case RecordedShape::Leaf:
            out += 'L';
            break;
        case RecordedShape::Flower:
            out += 'F';
            break;
        default:
            out += organKindLetter(organ.kind);
            break;
        }
        out += ',';
        out += std::to_string(organ.level);
        appendNumber(out, organ.age);
        appendNumber(out, organ.a);
        appendNumber(out, organ.b);
        appendNumber(out, organ.c);
        appendPoint(out, organ.lowerEnd());
        appendPoint(out, organ.upperEnd());
        out += '\n';
    }
    return out;
}

} // namespace burgeon
