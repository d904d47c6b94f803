#include "project/Session.h"

#include "base/FileIo.h"
#include "base/OutputFiles.h"
#include "base/StrayBytes.h"
#include "base/TextLines.h"
#include "project/ParameterScales.h"
#include "project/SessionKeys.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <filesystem>

namespace burgeon {

namespace {

using Json = nlohmann::ordered_json;

// A 32-bit value as the shortest decimal that reads back to the same 32-bit value, so the file
// shows 0.79 rather than the digits of its binary value.
double shortest(float value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    double result = 0.0;
    std::from_chars(text, end, result);
    return result;
}

Json triple(double x, double y, double z) {
    return Json::array({x, y, z});
}

Json colorJson(RgbColor color) {
    return Json::array({color.red, color.green, color.blue});
}

// A text as JSON holds it: bytes that are not UTF-8 carried as encodeStrayBytes says.
Json textJson(const std::string& text) {
    return encodeStrayBytes(text);
}

Json linesJson(const std::string& text) {
    Json lines = Json::array();
    if (!text.empty()) {
        for (const std::string& line : splitLines(text)) {
            lines.push_back(textJson(line));
        }
    }
    return lines;
}

Json growthJson(const PlantGrowth& growth) {
    Json json = Json::object();
    for (std::size_t i = 0; i < OrganKeys.size(); ++i) {
        const GrowthFunction& curve = growth.curves.getCurve(static_cast<GrowthOrgan>(i));
        json[std::string(OrganKeys[i])] = {{"bottom", curve.bottom},
                                           {"top", curve.top},
                                           {"slope", curve.slope},
                                           {"tmid", curve.tmid},
                                           {"data", linesJson(growth.data[i])}};
    }
    json["fitted"] =
        growth.fittedOrgan ? Json(std::string(organKey(*growth.fittedOrgan))) : Json(nullptr);
    return json;
}

Json surfaceJson(const OrganSurface& surface, bool leaf) {
    Json points = Json::array();
    Json normalsFront = Json::array();
    Json normalsBack = Json::array();
    Json texCoords = Json::array();
    for (int p = 1; p <= surface.pointCount; ++p) {
        const auto index = static_cast<std::size_t>(p);
        const PointF& point = surface.points[index];
        points.push_back(triple(shortest(point.x), shortest(point.y), shortest(point.z)));
        const Vector3& front = surface.normalsFront[index];
        const Vector3& back = surface.normalsBack[index];
        normalsFront.push_back(triple(front.x, front.y, front.z));
        normalsBack.push_back(triple(back.x, back.y, back.z));
        texCoords.push_back(
            Json::array({surface.texCoords[index][0], surface.texCoords[index][1]}));
    }
    Json triangles = Json::array();
    for (int t = 1; t <= surface.triangleCount; ++t) {
        const auto& triangle = surface.triangles[static_cast<std::size_t>(t)];
        triangles.push_back(Json::array({triangle[0], triangle[1], triangle[2]}));
    }
    Json json = {{"divisor", shortest(surface.shapeDivisor)},
                 {"points", points},
                 {"triangles", triangles},
                 {"normalsFront", normalsFront},
                 {"normalsBack", normalsBack}};
    if (leaf) {
        json["texCoords"] = texCoords;
    }
    return json;
}

Json placementJson(const OrganPlacement& p) {
    return {
        {"leafSize", triple(shortest(p.leafSizeX), shortest(p.leafSizeY), shortest(p.leafSizeZ))},
        {"leafAngle",
         triple(shortest(p.leafAngleX), shortest(p.leafAngleY), shortest(p.leafAngleZ))},
        {"flowerSize",
         triple(shortest(p.flowerSizeX), shortest(p.flowerSizeY), shortest(p.flowerSizeZ))},
        {"flowerAngle",
         triple(shortest(p.flowerAngleX), shortest(p.flowerAngleY), shortest(p.flowerAngleZ))},
        {"petalCount", p.petalCount}};
}

// The current leaf texture's file, relative to the session's folder when it lies there.
Json textureFileJson(const LeafTextures& textures, const std::string& sessionFolder) {
    if (textures.leafTextureCount < 1) {
        return nullptr;
    }
    const std::string& file =
        textures.slots[static_cast<std::size_t>(textures.leafTextureCount - 1)].fileName;
    if (file.empty()) {
        return nullptr;
    }
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path absolute = fs::weakly_canonical(fs::absolute(file, error), error);
    const fs::path folder = fs::weakly_canonical(fs::absolute(sessionFolder, error), error);
    const fs::path relative = absolute.lexically_relative(folder);
    if (!error && !relative.empty() && *relative.begin() != "..") {
        return textJson(relative.generic_string());
    }
    return textJson(file);
}

// The detail is written only when it is not the default, so a session that never chose one
// saves back to the bytes it was read from.
Json viewJson(const ViewState& v) {
    Json json = {{"rotation", triple(v.rotationX, v.rotationY, v.rotationZ)},
                 {"translation", triple(v.translationX, v.translationY, v.translationZ)},
                 {"zoom", v.zoomAngle},
                 {"scale", shortest(v.plantScale)},
                 {"mouseTurn", Json::array({shortest(v.mouseYaw), shortest(v.mousePitch)})},
                 {"showAxes", v.showAxes}};
    if (v.detail != DrawingDetail::Auto) {
        json["detail"] = std::string(drawingDetailName(v.detail));
    }
    return json;
}

const char* captureFormatKey(CaptureFormat format) {
    switch (format) {
    case CaptureFormat::Gif:
        return "gif";
    case CaptureFormat::Video:
        return "video";
    default:
        return "jpeg";
    }
}

Json animationJson(const AnimationSettings& a) {
    const CaptureSettings& c = a.capture;
    return {{"currentTime", a.currentTime},
            {"velocity", a.frameDelay},
            {"capture",
             {{"start", c.first},
              {"end", c.last},
              {"format", captureFormatKey(c.format)},
              {"jpegQuality", c.quality},
              {"gifDelay", c.delay},
              {"reductionBits", c.reductionBits},
              {"folder", textJson(c.folder)}}}};
}

} // namespace

std::string sessionText(const PlantProject& project, const std::string& sessionFolder) {
    Json json;
    json["format"] = SessionFormatName;
    json["version"] = SessionVersion;
    json["lsystem"] = linesJson(project.lsystemText);
    Json parameters = Json::object();
    for (const ParameterScale& scale : parameterScales()) {
        const double value = scale.read(project.parameters);
        if (scale.key == "wind") {
            parameters[std::string(scale.key)] = project.parameters.wind;
        } else if (scale.key == "turnStep" || scale.key == "petioleBitAngle") {
            parameters[std::string(scale.key)] = shortest(static_cast<float>(value));
        } else {
            parameters[std::string(scale.key)] = value;
        }
    }
    json["parameters"] = parameters;
    json["growth"] = growthJson(project.growth);
    Json materials = Json::object();
    for (const MaterialKey& material : MaterialKeys) {
        materials[std::string(material.key)] = colorJson(project.materials.*material.color);
    }
    json["materials"] = materials;
    json["leaf"] = surfaceJson(project.leaf, true);
    json["flower"] = surfaceJson(project.flower, false);
    json["placement"] = placementJson(project.placement);
    json["texture"] = {{"enabled", project.leafTextures.texturesEnabled},
                       {"file", textureFileJson(project.leafTextures, sessionFolder)}};
    json["view"] = viewJson(project.view);
    json["animation"] = animationJson(project.animation);
    return json.dump(2) + "\n";
}

void saveSession(const PlantProject& project, const std::string& fileName) {
    const std::string folder = std::filesystem::path(fileName).parent_path().string();
    writeFileAtomically(fileName, sessionText(project, folder.empty() ? "." : folder));
}

} // namespace burgeon
