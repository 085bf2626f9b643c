// Makes the sample product: the ten files of the package with their real
// names and uncompressed sizes, and contents whose bzip2 level-9 size comes
// close to the real files', so that the package and its progress behave like
// the real one. Two of them are real programs built beside this tool: the
// product program (a tiny one) and the icon library.
//
//   make_sample_product OUT_DIR PRODUCT_EXE ICON_LIBRARY

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "base/ProductNames.h"
#include "tools/Bzip2Level9.h"
#include "tools/DefaultSettings.h"
#include "tools/ReadWhole.h"

namespace {

struct SampleFile {
    const char* folder;
    const char* name;
    size_t size;        // bytes
    size_t compressed;  // bzip2 -9 bytes of the real file
    enum Kind { Binary, Text } kind;
};

const SampleFile kFiles[] = {
    {"", "Quillmark.exe", 1958400, 990623, SampleFile::Binary},
    {"", "Quillmark.ini", kDefaultSettingsBytes, 345, SampleFile::Text},
    {"", "libnodave.dll", 126976, 56608, SampleFile::Binary},
    {"Documentations", "UserManual$en-us.chm", 30501, 23706, SampleFile::Binary},
    {"Documentations", "UserManual$it-it.chm", 332223, 327508, SampleFile::Binary},
    {"Support", "AppIcons.icl", 83024, 15848, SampleFile::Binary},
    {"Support", "Project.xml", 422, 265, SampleFile::Text},
    {"Support", "local.upd", 119, 134, SampleFile::Text},
    {"Sources", "Quillmark-V390-source.7z", 294848, 296584, SampleFile::Binary},
    {"Sources", "libnodave-0.8.4.5.zip", 3244728, 3210993, SampleFile::Binary},
};

// Deterministic filler: a share of noise (incompressible) spread evenly among
// repetitive runs (nearly free), so the whole file compresses at one ratio.
class Filler {
public:
    Filler(SampleFile::Kind kind, uint32_t seed) : kind_(kind), seed_(seed) {}

    std::string Make(size_t length, double noiseShare) const {
        uint64_t state = seed_;
        auto next = [&state]() {  // splitmix64: its bytes give bzip2 nothing to find
            uint64_t z = (state += 0x9E3779B97F4A7C15ull);
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
            return z ^ (z >> 31);
        };
        const size_t run = length >= 65536 ? 512 : length >= 2048 ? 64 : 4;
        static const char kPhrase[] = "Quillmark archives S7 data blocks. ";
        std::string out;
        out.reserve(length);
        double credit = 0;
        size_t phrase = 0;
        while (out.size() < length) {
            size_t n = std::min(run, length - out.size());
            credit += noiseShare;
            if (credit >= 1.0) {
                credit -= 1.0;
                for (size_t i = 0; i < n; ++i) {
                    uint64_t r = next();
                    out += kind_ == SampleFile::Text ? static_cast<char>('a' + r % 26)
                                                     : static_cast<char>(r & 0xff);
                }
            } else {
                for (size_t i = 0; i < n; ++i) out += kPhrase[phrase++ % (sizeof kPhrase - 1)];
            }
        }
        return out;
    }

private:
    SampleFile::Kind kind_;
    uint32_t seed_;
};

// The prefix followed by filler, its noise share found by bisection so that
// the whole file compresses to about the target.
std::string Tune(const SampleFile& f, const std::string& prefix, uint32_t seed) {
    if (prefix.size() >= f.size)
        return prefix;
    Filler filler(f.kind, seed);
    const size_t fill = f.size - prefix.size();
    double lo = 0, hi = 1;
    std::string best;
    size_t bestError = SIZE_MAX;
    for (int step = 0; step < 18; ++step) {
        double mid = (lo + hi) / 2;
        std::string candidate = prefix + filler.Make(fill, mid);
        size_t packed = Bzip2Level9(candidate).size();
        size_t error = packed > f.compressed ? packed - f.compressed : f.compressed - packed;
        if (error < bestError) {
            bestError = error;
            best = candidate;
        }
        if (packed < f.compressed)
            lo = mid;
        else
            hi = mid;
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: make_sample_product OUT_DIR PRODUCT_EXE ICON_LIBRARY\n";
        return 1;
    }
    const std::string outDir = argv[1];
    std::string program, icons;
    if (!ReadWhole(argv[2], program) || !ReadWhole(argv[3], icons)) {
        std::cerr << "make_sample_product: cannot read the product program or icon library\n";
        return 1;
    }
    uint32_t seed = 1;
    for (const SampleFile& f : kFiles) {
        std::string prefix;
        std::string name = f.name;
        if (name == "Quillmark.exe")
            prefix = program;  // a real program; what follows its image is ignored by Windows
        else if (name == "AppIcons.icl")
            prefix = icons;
        else if (name == "Project.xml")
            prefix =
                "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<Project name=\"Sample\">\r\n<!-- ";
        else if (name == "local.upd")
            prefix = "<?xml version=\"1.0\"?>\r\n<Update v=\"" QUILLMARK_VERSION
                     "\" b=\"21\"/>\r\n<!-- ";
        std::string data =
            name == "Quillmark.ini" ? DefaultSettingsFile() : Tune(f, prefix, seed++);
        if (f.kind == SampleFile::Text && name != "Quillmark.ini")
            data.replace(data.size() - 5, 5, " -->\n");
        const std::string folder = outDir + (f.folder[0] ? "/" + std::string(f.folder) : "");
        std::filesystem::create_directories(folder);
        const std::string path = folder + "/" + name;
        std::ofstream out(path, std::ios::binary);
        out.write(data.data(), static_cast<std::streamsize>(data.size()));
        if (!out) {
            std::cerr << "make_sample_product: cannot write " << path << "\n";
            return 1;
        }
        std::printf("%-28s %8zu bytes, bzip2 -9 %8zu (real %zu)\n", name.c_str(), data.size(),
                    Bzip2Level9(data).size(), f.compressed);
    }
    return 0;
}
