// Draws the setup program's pictures into OUT_DIR: the six AppImg images
// (NAME.qpix.bz2: the premultiplied 32-bit picture as one bzip2 stream) and the executable's icon
// (SetupIcon.ico: 48, 32 and 16 pixels, each at 32, 8 and 4 bits; the 32-bit
// ones as PNG, since the program beside its package is kept small).
//
//   make_setup_images OUT_DIR

#include <cmath>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "tools/Bzip2Level9.h"
#include "tools/Canvas.h"
#include "tools/IcoFile.h"
#include "tools/SetupPictures.h"
#include "ui/PixelImage.h"

namespace {

struct Picture {
    const char* name;
    int size;
    std::function<Canvas(int)> draw;
};

Canvas RedSetup(int size) {
    return DrawSetupPicture(size, kRedScreen);
}

// In image-list order; the names are those of the resource script.
const Picture kAppImg[] = {
    {"setup48", 48, RedSetup},
    {"setup32", 32, RedSetup},
    {"setup16", 16, RedSetup},
    {"PrgFolder_1_48", 48, DrawProgramFolderPicture},
    {"PrgFolder_1_32", 32, DrawProgramFolderPicture},
    {"PrgFolder_1_16", 16, DrawProgramFolderPicture},
};

PixelImage Premultiplied(const Canvas& c) {
    PixelImage image{c.Width(), c.Height(), {}};
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x) {
            const Rgba& p = c.At(x, y);
            auto mul = [&p](uint8_t v) { return uint8_t(std::lround(v * p.a / 255.0)); };
            image.bgra.insert(image.bgra.end(), {mul(p.b), mul(p.g), mul(p.r), p.a});
        }
    return image;
}

bool Write(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        std::cerr << "make_setup_images: cannot write " << path << "\n";
    return bool(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_setup_images OUT_DIR\n";
        return 1;
    }
    const std::string dir = argv[1];
    for (const Picture& p : kAppImg)
        if (!Write(dir + "/" + p.name + ".qpix.bz2",
                   Bzip2Level9(EncodePixelImage(Premultiplied(p.draw(p.size))))))
            return 1;

    std::vector<IcoImage> icon;
    for (int bits : {32, 8, 4})
        for (int size : {48, 32, 16})
            icon.push_back(IcoImage{DrawSetupPicture(size, kBlueScreen), bits, bits == 32});
    return Write(dir + "/SetupIcon.ico", IcoFile(icon)) ? 0 : 1;
}
