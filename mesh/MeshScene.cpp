#include "mesh/MeshScene.h"

namespace burgeon {

const char* nodeKindWord(MeshNodeKind kind) {
    switch (kind) {
    case MeshNodeKind::Internode:
        return "internode";
    case MeshNodeKind::ShortInternode:
        return "short internode";
    case MeshNodeKind::Petiole:
        return "petiole";
    case MeshNodeKind::ShortPetiole:
        return "short petiole";
    case MeshNodeKind::Apex:
        return "apex";
    case MeshNodeKind::Leaf:
        return "leaf";
    case MeshNodeKind::Flower:
        return "flower";
    case MeshNodeKind::Land:
        return "land";
    }
    return "organ";
}

} // namespace burgeon
