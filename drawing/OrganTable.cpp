#include "drawing/OrganTable.h"

#include "base/NumberText.h"

namespace burgeon {

namespace {

char32_t organLetter(const RecordedOrgan& organ) {
    switch (organ.shape) {
    case RecordedShape::Leaf:
        return U'L';
    case RecordedShape::Flower:
        return U'F';
    default:
        return static_cast<char32_t>(organKindLetter(organ.kind));
    }
}

void appendNumber(std::string& out, double value) {
    out += ',';
    out += formatRoundTrip(value);
}

} // namespace

std::vector<OrganTableRow> organTableRows(const std::vector<RecordedOrgan>& organs) {
    std::vector<OrganTableRow> rows;
    rows.reserve(organs.size());
    for (const RecordedOrgan& organ : organs) {
        if (organ.shape == RecordedShape::Land || organ.node <= 0) {
            continue;
        }
        const Vector3 lower = organ.lowerEnd();
        const Vector3 upper = organ.upperEnd();
        rows.push_back({organ.node, organLetter(organ), organ.level, organ.age, organ.a, organ.b,
                        organ.c, lower.x, lower.y, lower.z, upper.x, upper.y, upper.z});
    }
    return rows;
}

std::string organTableCsv(const std::vector<OrganTableRow>& rows) {
    std::string out = "node,organ,level,age,a,b,c,x0,y0,z0,x1,y1,z1\n";
    for (const OrganTableRow& row : rows) {
        out += std::to_string(row.node);
        out += ',';
        out += static_cast<char>(row.organ);
        out += ',';
        out += std::to_string(row.level);
        for (const double value :
             {row.age, row.a, row.b, row.c, row.x0, row.y0, row.z0, row.x1, row.y1, row.z1}) {
            appendNumber(out, value);
        }
        out += '\n';
    }
    return out;
}

std::string organTableCsv(const std::vector<RecordedOrgan>& organs) {
    return organTableCsv(organTableRows(organs));
}

} // namespace burgeon
