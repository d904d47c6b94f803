// Writes the leaf textures of the gallery plants (see GalleryTextures.h), 128 x 128, 24-bit,
// into the folder of the gallery sessions. Usage: burgeon_make_gallery_textures OUTPUT_FOLDER

#include "base/FileIo.h"
#include "imageio/BmpWriter.h"
#include "tools/GalleryTextures.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: burgeon_make_gallery_textures OUTPUT_FOLDER\n";
        return 2;
    }
    try {
        const auto textures = burgeon::tools::galleryTextures();
        for (const burgeon::tools::NamedTexture& texture : textures) {
            burgeon::writeBmpFile(burgeon::joinPath(argv[1], texture.fileName),
                                  burgeon::tools::leafTexture(texture.style));
        }
        std::cout << "wrote " << textures.size() << " leaf textures to " << argv[1] << "\n";
    } catch (const std::exception& error) {
        std::cerr << "burgeon_make_gallery_textures: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
