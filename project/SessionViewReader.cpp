#include "project/SessionSections.h"

#include <optional>

namespace burgeon {

namespace {

// Three floats of the placement.
void readTriple(const SessionJson& section, const char* key, const std::string& path,
                double minimum, double maximum, std::array<float*, 3> fields,
                SessionChecks& checks) {
    if (const SessionJson* value = SessionChecks::member(section, key)) {
        const auto values = checks.numbers<3>(*value, path + "." + key, minimum, maximum);
        for (std::size_t i = 0; i < 3; ++i) {
            *fields[i] = static_cast<float>(values[i]);
        }
    }
}

template <typename Read> void readMember(const SessionJson& section, const char* key, Read read) {
    if (const SessionJson* value = SessionChecks::member(section, key)) {
        read(*value);
    }
}

} // namespace

void readPlacement(const SessionJson& json, OrganPlacement& p, SessionChecks& checks) {
    const SessionJson& section = checks.object(json, "placement", "placement");
    checks.warnUnknown(section, "placement",
                       {"leafSize", "leafAngle", "flowerSize", "flowerAngle", "petalCount"});
    // The ranges of the Component page's sliders.
    readTriple(section, "leafSize", "placement", 0.01, 2.0,
               {&p.leafSizeX, &p.leafSizeY, &p.leafSizeZ}, checks);
    readTriple(section, "leafAngle", "placement", -180.0, 180.0,
               {&p.leafAngleX, &p.leafAngleY, &p.leafAngleZ}, checks);
    readTriple(section, "flowerSize", "placement", 0.01, 2.0,
               {&p.flowerSizeX, &p.flowerSizeY, &p.flowerSizeZ}, checks);
    readTriple(section, "flowerAngle", "placement", -180.0, 180.0,
               {&p.flowerAngleX, &p.flowerAngleY, &p.flowerAngleZ}, checks);
    readMember(section, "petalCount", [&](const SessionJson& value) {
        p.petalCount = checks.integer(value, "placement.petalCount", 1, 100);
    });
}

void readView(const SessionJson& json, ViewState& view, SessionChecks& checks) {
    const SessionJson& section = checks.object(json, "view", "view");
    checks.warnUnknown(
        section, "view",
        {"rotation", "translation", "zoom", "scale", "mouseTurn", "showAxes", "detail"});
    // The ranges of the Animation page's sliders; the mouse turns without bound.
    readMember(section, "rotation", [&](const SessionJson& value) {
        const auto r = checks.numbers<3>(value, "view.rotation", -180.0, 180.0);
        view.rotationX = r[0];
        view.rotationY = r[1];
        view.rotationZ = r[2];
    });
    readMember(section, "translation", [&](const SessionJson& value) {
        const auto t = checks.numbers<3>(value, "view.translation", -15.0, 15.0);
        if (t[2] > 0.2) {
            SessionChecks::fail("view.translation.2", "a number from -15 to 0.2", value[2]);
        }
        view.translationX = t[0];
        view.translationY = t[1];
        view.translationZ = t[2];
    });
    readMember(section, "zoom", [&](const SessionJson& value) {
        view.zoomAngle = checks.number(value, "view.zoom", 2.0, 175.0);
    });
    readMember(section, "scale", [&](const SessionJson& value) {
        view.plantScale = static_cast<float>(checks.number(value, "view.scale", 0.1, 10.0));
    });
    readMember(section, "mouseTurn", [&](const SessionJson& value) {
        const auto turn = checks.numbers<2>(value, "view.mouseTurn", -1e6, 1e6);
        view.mouseYaw = static_cast<float>(turn[0]);
        view.mousePitch = static_cast<float>(turn[1]);
    });
    readMember(section, "showAxes", [&](const SessionJson& value) {
        view.showAxes = checks.boolean(value, "view.showAxes");
    });
    // Sessions that do not say draw at automatic detail.
    readMember(section, "detail", [&](const SessionJson& value) {
        const std::optional<DrawingDetail> detail =
            value.is_string() ? drawingDetailNamed(value.get<std::string>()) : std::nullopt;
        if (!detail) {
            SessionChecks::fail("view.detail", "\"auto\" or \"full\"", value);
        }
        view.detail = *detail;
    });
}

void readAnimation(const SessionJson& json, AnimationSettings& animation, SessionChecks& checks) {
    const SessionJson& section = checks.object(json, "animation", "animation");
    checks.warnUnknown(section, "animation", {"currentTime", "velocity", "capture"});
    readMember(section, "currentTime", [&](const SessionJson& value) {
        animation.currentTime = checks.number(value, "animation.currentTime", -2.0, 1000.0);
    });
    readMember(section, "velocity", [&](const SessionJson& value) {
        animation.frameDelay = checks.integer(value, "animation.velocity", 0, 10);
    });
    const SessionJson& capture = checks.object(section, "capture", "animation.capture");
    checks.warnUnknown(
        capture, "animation.capture",
        {"start", "end", "format", "jpegQuality", "gifDelay", "reductionBits", "folder"});
    CaptureSettings& c = animation.capture;
    const auto field = [&](const char* key, int& target, int minimum, int maximum) {
        readMember(capture, key, [&](const SessionJson& value) {
            target =
                checks.integer(value, std::string("animation.capture.") + key, minimum, maximum);
        });
    };
    // The ranges of the capture fields' spin boxes.
    field("start", c.first, 0, 500);
    field("end", c.last, 0, 1000);
    field("jpegQuality", c.quality, 0, 100);
    field("gifDelay", c.delay, 1, 100);
    field("reductionBits", c.reductionBits, 3, 8);
    readMember(capture, "format", [&](const SessionJson& value) {
        const std::string format = value.is_string() ? value.get<std::string>() : "";
        if (format == "jpeg") {
            c.format = CaptureFormat::Jpeg;
        } else if (format == "gif") {
            c.format = CaptureFormat::Gif;
        } else if (format == "video") {
            c.format = CaptureFormat::Video;
        } else {
            SessionChecks::fail("animation.capture.format", "\"jpeg\", \"gif\" or \"video\"",
                                value);
        }
    });
    readMember(capture, "folder", [&](const SessionJson& value) {
        c.folder = checks.text(value, "animation.capture.folder");
        if (c.folder.empty()) {
            SessionChecks::fail("animation.capture.folder", "a folder name", value);
        }
    });
}

} // namespace burgeon
