// Draws the six icons of the sample product's icon library, at 32 and 16
// pixels: 0 the program, 1 a data file, 2 a settings file, 3 uninstall,
// 4 a project, 5 an interface.
//
//   make_sample_icons OUT_DIR      (writes icon0.ico ... icon5.ico)

#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "tools/Canvas.h"
#include "tools/IcoFile.h"

namespace {

const Rgba kPaper{250, 250, 246, 255};
const Rgba kEdge{70, 80, 96, 255};
const Rgba kInk{34, 58, 120, 255};

void Document(Canvas& c, Rgba band) {
    c.FillRect(0.18, 0.06, 0.82, 0.94, kEdge);
    c.FillRect(0.22, 0.10, 0.78, 0.90, kPaper);
    c.FillRect(0.22, 0.10, 0.78, 0.30, band);
    for (double y = 0.40; y < 0.85; y += 0.12)
        c.FillRect(0.30, y, 0.70, y + 0.05, Rgba{150, 158, 170, 255});
}

const std::function<void(Canvas&)> kSubjects[] = {
    [](Canvas& c) {  // the program: a page with a quill across it
        Document(c, Rgba{52, 110, 200, 255});
        for (int i = 0; i < 12; ++i) {
            double t = i / 11.0;
            c.FillEllipse(0.30 + 0.45 * t, 0.86 - 0.62 * t, 0.07, 0.07, kInk);
        }
    },
    [](Canvas& c) {
        Document(c, Rgba{46, 150, 80, 255});
    },  // data
    [](Canvas& c) {
        Document(c, Rgba{140, 140, 150, 255});
    },               // settings
    [](Canvas& c) {  // uninstall: a red disc with a white bar
        c.FillEllipse(0.5, 0.5, 0.44, 0.44, Rgba{196, 40, 36, 255});
        c.FillRect(0.24, 0.43, 0.76, 0.57, Rgba{255, 255, 255, 255});
    },
    [](Canvas& c) {  // project: a yellow folder
        c.FillRect(0.08, 0.18, 0.45, 0.32, Rgba{214, 160, 30, 255});
        c.FillRect(0.08, 0.26, 0.92, 0.84, Rgba{236, 190, 60, 255});
        c.Frame(0.08, 0.26, 0.92, 0.84, 0.04, Rgba{160, 112, 20, 255});
    },
    [](Canvas& c) {  // interface: a purple plug
        c.FillRect(0.32, 0.08, 0.40, 0.34, kEdge);
        c.FillRect(0.60, 0.08, 0.68, 0.34, kEdge);
        c.FillRect(0.20, 0.30, 0.80, 0.66, Rgba{120, 60, 160, 255});
        c.FillRect(0.44, 0.66, 0.56, 0.94, Rgba{120, 60, 160, 255});
    },
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_sample_icons OUT_DIR\n";
        return 1;
    }
    int index = 0;
    for (const auto& draw : kSubjects) {
        std::vector<Canvas> images;
        for (int size : {32, 16}) {
            Canvas c(size, size);
            draw(c);
            if (size < 32)
                c.HardenAlpha();
            images.push_back(c);
        }
        const std::string path = std::string(argv[1]) + "/icon" + std::to_string(index++) + ".ico";
        std::string ico = IcoFile(images);
        std::ofstream out(path, std::ios::binary);
        out.write(ico.data(), static_cast<std::streamsize>(ico.size()));
        if (!out) {
            std::cerr << "make_sample_icons: cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
