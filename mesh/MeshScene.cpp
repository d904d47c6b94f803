#include "mesh/MeshScene.h"

namespace burgeon {

const char* organKindWord(OrganKind kind) {
    switch (kind) {
    case OrganKind::Internode:
        return "internode";
    case OrganKind::ShortInternode:
        return "short internode";
    case OrganKind::Petiole:
        return "petiole";
    case OrganKind::ShortPetiole:
        return "short petiole";
    case OrganKind::Apex:
        return "apex";
    case OrganKind::Leaf:
        return "leaf";
    case OrganKind::Flower:
        return "flower";
    case OrganKind::Land:
        return "land";
    }
    return "organ";
}

} // namespace burgeon
