#pragma once

// The docstrings of burgeon.Plant and the functions that make one: help(burgeon.Plant) shows
// them.

namespace burgeon::python {

inline constexpr const char* PlantDoc =
    R"(A plant: its L-system and the organs generated from it, the growth curve of every organ
class, its parameters, colours, leaf and flower shapes, leaf texture, view and animation
settings -- everything a session file (.burgeon) holds -- and the seed of its main stem's
jitter and its wind.

Make one with burgeon.open_session(path) or Plant.from_lsystem(text_or_path). Then:

  values     plant.settings["parameters.internodeLength"], plant.set(key, value),
             plant.update({key: value, ...}): the session's values by their key paths, with
             the ranges and messages of --set; plant.curves["leaf-length"]: growth curves
  L-system   plant.compile(), plant.lsystem, plant.result_string, plant.nodes
  tables     plant.organs(time): every organ drawn, as `burgeon render --organs` lists them
  pictures   plant.render(time, size=(w, h)), plant.frames(a, b, step),
             plant.film(path, a, b, step)
  meshes     plant.export(path, time=...) or plant.export(path, animate=(a, b, step))
  files      plant.save(path), plant.copy(); a plant pickles as its session text

Every call that needs a time takes the session's (plant.time) when given none. A plant shows
itself in a notebook as its picture. Plants may be used from several threads; each call on
one plant waits for the one before it.)";

inline constexpr const char* OpenSessionDoc = R"(Opens a session file (.burgeon) as a Plant.

The other arguments are the command line's plant options (`burgeon render --session`): seed
fixes the main stem's jitter and the wind (default: the time of day); settings is a mapping of
session key paths to values, applied before the file's values are checked, as --set does;
growth is growth data to fit (a file fitted for organ, a mapping {organ: file}, or a list of
files and "ORGAN=FILE" texts); shapes, leaf and flower pick a leaf and flower from a shape
library; texture picks a built-in leaf texture (1..15); rotate=(x, y, z) turns the view.

A compilation that runs longer than max_seconds raises TimeLimitError, Ctrl-C stops it
(KeyboardInterrupt); progress(percent) is told as it goes. A file that cannot be read raises
FileError, a session or value that cannot be taken InputError, each with the command line's
text; warnings (unknown keys dropped, a leaf texture not found) are BurgeonWarning.)";

inline constexpr const char* FromLSystemDoc =
    R"(Makes a Plant from an L-system: its text, or its file's path.

A str holding a line break or a "{" is the L-system's text; any other str or os.PathLike is
its file. block picks the N-th L-system of a text that holds several (None: the whole text,
whose first L-system compiles). The header's Angle and Diameter set the turn step and node
diameter; every other value starts as a new plant's. The other arguments are those of
burgeon.open_session.

An L-system that gives no plant raises InputError with the compiler's messages and their
places ("Iterations Error in line 2,...", then "in line 19 of trees.Lsys").)";

inline constexpr const char* SetDoc =
    R"(Sets one session value by its key path and builds the plant again.

plant.set("parameters.internodeLength", 0.4) does what --set parameters.internodeLength=0.4
does: the value (a number, text, list or None, as JSON has them) is checked with the same
ranges and messages, then the L-system is compiled and generated again with the plant's seed.
A bad value raises InputError ("parameters.internodeLength: expected a number from 0.01 to
3, found 9", after the session's name) and leaves the plant as it was; a key no session has
raises UnknownKeyError (a KeyError too).)";

inline constexpr const char* UpdateDoc =
    R"(Sets several session values at once ({key path: value}), as several --set options do.
The plant changes only when every value is taken.)";

inline constexpr const char* SettingsDoc =
    R"(The plant's session values by key path, as a mutable mapping (burgeon.Settings).

settings["view.rotation"] reads a value as the session file holds it; assigning one is
plant.set(). Iterating gives every key path down to a value.)";

inline constexpr const char* CurvesDoc =
    R"(The six growth curves by organ, as a mutable mapping (burgeon.Curves).

Keys: internode, petiole, leaf-length, leaf-width, apex, flower. Assigning a GrowthCurve types
a curve in; assigning a GrowthFit also gives the organ the data it was fitted to. The key
"all" sets all six.)";

inline constexpr const char* CompileDoc =
    R"(Compiles the plant's L-system and generates its plant again, as `burgeon lsystem` does.

The header's Angle and Diameter set the turn step and node diameter, as "Compile L-system"
sets them. Returns a CompileReport with the messages, panes, result string and node table; the
plant takes the new result only when it completed (report.completed). Past max_seconds it
raises TimeLimitError, at Ctrl-C KeyboardInterrupt, and the plant stays as it was.)";

inline constexpr const char* NodesDoc =
    R"(The plant's node table (a burgeon.Table), as `burgeon lsystem --json` lists it: node,
kind (I, i, P, p, A), parent (0 for none), level, angle_x, angle_y, angle_z, has_leaf,
has_flower.)";

inline constexpr const char* SaveDoc =
    R"(Writes the plant as a session file, whole or not at all; a file that cannot be written
raises FileError ("Cannot create file NAME").)";

inline constexpr const char* OrgansDoc =
    R"(The organ table at a time (default: plant.time): a burgeon.Table with one row a segment,
leaf or flower drawn, in drawing order, and the columns of `burgeon render --organs`: node,
organ (I, i, P, p, A, or L and F for a leaf and a flower), level, age, a, b, c (a segment's
length and radius; a surface's depth, length and width), and x0, y0, z0, x1, y1, z1 (its two
ends in scene coordinates). table.to_pandas() gives a DataFrame.)";

inline constexpr const char* RenderDoc =
    R"(The plant drawn at a time (default: plant.time): a height x width x 3 uint8 array.

size is (width, height), each 1..8192; rotate=(x, y, z) turns the view for this picture, in
degrees. The picture is the one `burgeon render` writes for the same plant and options; the
land's texture is read from grass1.bmp in the current folder, as the command line reads it.
No OpenGL context raises RenderError.)";

inline constexpr const char* FramesDoc =
    R"(The plant's pictures from time start to stop in steps of step (stop included when a step
lands on it), drawn one by one as they are asked for: an iterator of (time, picture) pairs
with len(). It draws a copy of the plant taken now.)";

inline constexpr const char* FramesIteratorDoc =
    "The (time, picture) pairs of Plant.frames(), drawn as they are asked for.";

inline constexpr const char* FilmDoc =
    R"(Films the plant growing from time start to stop in steps of step as a video: .mp4 (H.264)
or .webm (VP9), by the file's name.

fps is the frames a second (1..240; default: the capture run's pace, 100 / delay); quality is
the encoder's constant-rate factor, lower is better (0..51 for H.264, 0..63 for VP9). The video
is written whole or not at all: past max_seconds (TimeLimitError), at Ctrl-C
(KeyboardInterrupt) or at a failure no file is left. progress(percent) is told as it goes.)";

inline constexpr const char* ExportDoc =
    R"(Writes the plant as a mesh in the format its file name ends in, as `burgeon export` does:
.glb, .gltf (with NAME.bin and its textures), .obj (with NAME.mtl) or .ply.

time is the plant's time (default: plant.time); animate=(a, b, step) writes the growth from a
to b instead, one keyframe a step (glTF only), at fps keyframes a second (default: the capture
run's pace). land=False leaves the land out. Every file is written, or none: past max_seconds
(TimeLimitError), at Ctrl-C (KeyboardInterrupt) or at a file that cannot be written
(FileError) nothing is left. Returns an ExportSummary.)";

} // namespace burgeon::python
