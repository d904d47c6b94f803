// Writes the shape library of the gallery plants (see GalleryShapes.h).
// Usage: burgeon_make_gallery_shapes OUTPUT_FILE [PREVIEW_FOLDER]

#include "tools/GalleryShapes.h"
#include "tools/ShapeMesh.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::cerr << "usage: burgeon_make_gallery_shapes OUTPUT_FILE [PREVIEW_FOLDER]\n";
        return 2;
    }
    try {
        burgeon::tools::writeShapeLibrary(burgeon::tools::galleryShapeLibrary(), argv[1],
                                          argc == 3 ? argv[2] : "");
        std::cout << "wrote the gallery shape library to " << argv[1] << "\n";
    } catch (const std::exception& error) {
        std::cerr << "burgeon_make_gallery_shapes: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
