#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace burgeon {

enum class MeshFormat { Glb, Gltf, Obj, Ply };

// One mesh format: the extension of its file names, its name, what a file of it holds and
// whether it holds a growth animation. The command line's usage, help and messages and the
// desktop's file dialog are all made from this table.
struct MeshFormatInfo {
    MeshFormat format;
    std::string_view extension; // without its dot
    std::string_view name;
    std::string_view holds;
    bool animates;
};

// Every mesh format, in the order usage texts and file dialogs list them.
std::span<const MeshFormatInfo> meshFormats();

// The format a file name's extension names (any case).
std::optional<MeshFormat> meshFormatOf(const std::string& fileName);
const MeshFormatInfo& meshFormatInfo(MeshFormat format);
// The same, or StandardError "Cannot write NAME: a mesh file name ends in ...".
MeshFormat requireMeshFormat(const std::string& fileName);

// The extensions as a text names them: ".glb, .gltf, .obj or .ply", or only those of the
// formats that hold an animation.
std::string meshExtensionList(bool animatingOnly = false);
// ".glb|.gltf|.obj|.ply", for usage lines.
std::string meshExtensionChoice();
// The names of the formats that hold no animation: "OBJ and PLY".
std::string stillOnlyFormatNames();
// Each format with what it holds: ".glb (one file with the textures inside), ...".
std::string meshFormatDescriptions();
// The desktop's file dialog filter: "glTF binary (*.glb)|*.glb|...".
std::string meshFileFilter();

} // namespace burgeon
