// The resources of the built setup executables, read from the files
// themselves. Skipped when a Windows build has not been made.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <regex>
#include <set>

#include "app/AppImg.h"
#include "tools/PeResources.h"
#include "support/PngImage.h"
#include "tools/ReadWhole.h"
#include "support/VersionBlock.h"
#include "ui/PixelImage.h"

namespace {

constexpr uint32_t kIcon = 3, kRcData = 10, kGroupIcon = 14, kVersion = 16, kManifest = 24;

struct Build {
    const char* name;
    const char* path;
    uint16_t machine;
    const char* manifestArchitecture;
};

const Build kBuilds[] = {
    {"x86_64", QUILLMARK_SETUP_EXE_X86_64, 0x8664, "amd64"},
    {"i686", QUILLMARK_SETUP_EXE_I686, 0x14c, "x86"},
};

uint32_t Le(const std::string& d, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | uint8_t(d.at(at + size_t(i)));
    return v;
}

class ExecutableResources : public testing::TestWithParam<Build> {
protected:
    void SetUp() override {
        std::string bytes, error;
        if (!ReadWhole(GetParam().path, bytes))
            GTEST_SKIP() << "no " << GetParam().name << " build at " << GetParam().path;
        ASSERT_TRUE(ReadPeImage(bytes, pe_, error)) << error;
        ASSERT_EQ(pe_.machine, GetParam().machine);
    }
    PeImage pe_;
};

TEST_P(ExecutableResources, IconGroupHasNineImagesOfThreeSizesAndDepths) {
    const auto groups = pe_.OfType(kGroupIcon);
    ASSERT_FALSE(groups.empty());
    // Windows shows the first group for the file.
    EXPECT_EQ(groups.front()->id, 5555u);
    const PeResource* group = pe_.Find(kGroupIcon, 5555);
    ASSERT_NE(group, nullptr);
    const std::string& g = group->data;
    ASSERT_GE(g.size(), 6u);
    EXPECT_EQ(Le(g, 0, 2), 0u);
    EXPECT_EQ(Le(g, 2, 2), 1u);
    ASSERT_EQ(Le(g, 4, 2), 9u);
    ASSERT_EQ(g.size(), 6u + 9 * 14);

    std::set<std::pair<int, int>> seen;
    for (size_t i = 0; i < 9; ++i) {
        const size_t e = 6 + 14 * i;
        const int width = uint8_t(g[e]), height = uint8_t(g[e + 1]);
        const int bits = int(Le(g, e + 6, 2));
        SCOPED_TRACE(std::to_string(width) + " px, " + std::to_string(bits) + " bits");
        EXPECT_EQ(width, height);
        EXPECT_EQ(uint8_t(g[e + 2]), bits == 4 ? 16 : 0);  // colour count
        EXPECT_EQ(Le(g, e + 4, 2), 1u);                    // planes
        seen.insert({width, bits});

        // The image itself, as long as the group says: at 32 bits a PNG of
        // that size, else a DIB of that size and depth.
        const PeResource* image = pe_.Find(kIcon, Le(g, e + 12, 2));
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->data.size(), Le(g, e + 8, 4));
        if (bits == 32) {
            PngRgba png;
            std::string error;
            ASSERT_TRUE(ReadPng(image->data, png, error)) << error;
            EXPECT_EQ(png.width, width);
            EXPECT_EQ(png.height, height);
            continue;
        }
        ASSERT_GE(image->data.size(), 40u);
        EXPECT_EQ(int(Le(image->data, 4, 4)), width);
        EXPECT_EQ(int(Le(image->data, 8, 4)), 2 * height);
        EXPECT_EQ(int(Le(image->data, 14, 2)), bits);
        // As many colours as the header counts: all sixteen at 4 bits, up to
        // 256 at 8.
        const size_t colours = Le(image->data, 32, 4);
        if (bits == 4)
            EXPECT_EQ(colours, 16u);
        else
            EXPECT_TRUE(colours >= 2 && colours <= 256) << colours;
        const size_t palette = colours * 4;
        const size_t colour = size_t((width * bits + 31) / 32 * 4) * height;
        const size_t mask = size_t((width + 31) / 32 * 4) * height;
        EXPECT_EQ(image->data.size(), 40 + palette + colour + mask);
    }
    std::set<std::pair<int, int>> expected;
    for (int size : {48, 32, 16})
        for (int bits : {32, 8, 4}) expected.insert({size, bits});
    EXPECT_EQ(seen, expected);
}

TEST_P(ExecutableResources, IconShowsABlueScreenWhereTheImageListHasARedOne) {
    // Counts strongly blue and strongly red pixels of a 48-pixel 32-bit picture.
    auto count = [](const std::string& bgra, size_t from, size_t step) {
        std::pair<int, int> blueRed{0, 0};
        for (size_t i = from; i + 3 < bgra.size(); i += step) {
            const int b = uint8_t(bgra[i]), g = uint8_t(bgra[i + 1]), r = uint8_t(bgra[i + 2]);
            if (uint8_t(bgra[i + 3]) < 200)
                continue;
            blueRed.first += b > 150 && r < 90 && g < 140;
            blueRed.second += r > 150 && b < 90 && g < 90;
        }
        return blueRed;
    };
    const PeResource* group = pe_.Find(kGroupIcon, 5555);
    ASSERT_NE(group, nullptr);
    const PeResource* icon48 = nullptr;
    for (size_t e = 6; e + 14 <= group->data.size(); e += 14)
        if (uint8_t(group->data[e]) == 48 && Le(group->data, e + 6, 2) == 32)
            icon48 = pe_.Find(kIcon, Le(group->data, e + 12, 2));
    ASSERT_NE(icon48, nullptr);
    PngRgba png;
    std::string error;
    ASSERT_TRUE(ReadPng(icon48->data, png, error)) << error;
    ASSERT_EQ(png.rgba.size(), 48u * 48 * 4);
    for (size_t i = 0; i < png.rgba.size(); i += 4) std::swap(png.rgba[i], png.rgba[i + 2]);
    const auto icon = count(png.rgba, 0, 4);
    EXPECT_EQ(icon.second, 0);

    const PeResource* setup48 = pe_.Find(kRcData, AppImgInfo(AppImgId::setup48).resource);
    ASSERT_NE(setup48, nullptr);
    PixelImage picture;
    ASSERT_TRUE(DecodeAppImgPicture(setup48->data, AppImgInfo(AppImgId::setup48), picture));
    const auto image = count(std::string(picture.bgra.begin(), picture.bgra.end()), 0, 4);
    EXPECT_GT(image.second, 200);
    // The rest of the picture is the same, blue details included.
    EXPECT_GT(icon.first, image.first + 200);
}

TEST_P(ExecutableResources, CarriesTheSixAppImgPictures) {
    for (const AppImgEntry& entry : kAppImgEntries) {
        SCOPED_TRACE(entry.name);
        const PeResource* r = pe_.Find(kRcData, uint32_t(entry.resource));
        ASSERT_NE(r, nullptr);
        PixelImage image;
        ASSERT_TRUE(DecodeAppImgPicture(r->data, entry, image));
        EXPECT_EQ(image.width, entry.size);
        EXPECT_EQ(image.height, entry.size);
        int clear = 0, partial = 0, opaque = 0;
        for (size_t i = 3; i < image.bgra.size(); i += 4) {
            clear += image.bgra[i] == 0;
            opaque += image.bgra[i] == 255;
            partial += image.bgra[i] != 0 && image.bgra[i] != 255;
        }
        EXPECT_GT(clear, 0);
        EXPECT_GT(opaque, entry.size * entry.size / 3);
        // Soft edges at 48 pixels, alpha fully on or off below.
        if (entry.size == 48)
            EXPECT_GT(partial, 0);
        else
            EXPECT_EQ(partial, 0);
    }
}

TEST_P(ExecutableResources, VersionBlock) {
    const PeResource* r = pe_.Find(kVersion, 1);
    ASSERT_NE(r, nullptr);
    VersionNode root;
    std::string error;
    ASSERT_TRUE(ReadVersionBlock(r->data, root, error)) << error;
    EXPECT_EQ(root.key, "VS_VERSION_INFO");
    ASSERT_EQ(root.value.size(), 52u);
    const std::string& f = root.value;
    EXPECT_EQ(Le(f, 0, 4), 0xfeef04bdu);
    EXPECT_EQ(Le(f, 8, 4), (3u << 16) | 90);  // file version 3.90.0.0
    EXPECT_EQ(Le(f, 12, 4), 0u);
    EXPECT_EQ(Le(f, 16, 4), 0u);  // product version 0.0.0.0
    EXPECT_EQ(Le(f, 20, 4), 0u);
    EXPECT_EQ(Le(f, 24, 4), 3u);  // flags mask
    EXPECT_EQ(Le(f, 28, 4), 0u);  // flags
    EXPECT_EQ(Le(f, 32, 4), 4u);  // 32-bit Windows
    EXPECT_EQ(Le(f, 36, 4), 2u);  // file type
    EXPECT_EQ(Le(f, 40, 4), 0u);  // subtype

    const VersionNode* strings = root.Child("StringFileInfo");
    ASSERT_NE(strings, nullptr);
    ASSERT_EQ(strings->children.size(), 1u);
    const VersionNode& table = strings->children[0];
    EXPECT_TRUE(table.key == "040904e4" || table.key == "040904E4") << table.key;
    std::map<std::string, std::string> values;
    for (const VersionNode& v : table.children) values[v.key] = v.Text();
    const std::map<std::string, std::string> expected{
        {"Comments", "Quillmark 3.90 program setup"},
        {"CompanyName", ""},
        {"FileDescription", "Zelk Setup for Win32"},
        {"FileVersion", "3.90"},
        {"InternalName", "Zelk-Setup"},
        {"LegalCopyright", ""},
        {"LegalTrademarks", ""},
        {"OriginalFilename", "Zelk-390-Setup.exe"},
        {"PrivateBuild", ""},
        {"ProductName", "Zelk Setup program"},
        {"ProductVersion", "3.90"},
        {"SpecialBuild", ""},
    };
    EXPECT_EQ(values, expected);

    const VersionNode* var = root.Child("VarFileInfo");
    ASSERT_NE(var, nullptr);
    const VersionNode* translation = var->Child("Translation");
    ASSERT_NE(translation, nullptr);
    ASSERT_EQ(translation->value.size(), 4u);
    EXPECT_EQ(Le(translation->value, 0, 2), 0x0409u);
    EXPECT_EQ(Le(translation->value, 2, 2), 1252u);
}

std::map<std::string, std::string> Attributes(const std::string& element) {
    std::map<std::string, std::string> attributes;
    static const std::regex kAttribute(R"re(([A-Za-z:]+)="([^"]*)")re");
    for (std::sregex_iterator i(element.begin(), element.end(), kAttribute), end; i != end; ++i)
        attributes[(*i)[1]] = (*i)[2];
    return attributes;
}

// The first element of the given name, up to the end of its start tag.
std::string Element(const std::string& xml, const std::string& name, size_t from = 0) {
    const size_t start = xml.find("<" + name + " ", from);
    if (start == std::string::npos)
        return {};
    return xml.substr(start, xml.find('>', start) - start);
}

TEST_P(ExecutableResources, ManifestAsksForAdministratorRights) {
    const PeResource* r = pe_.Find(kManifest, 1);
    ASSERT_NE(r, nullptr);
    const std::string& xml = r->data;
    // The program's own identity is the first one; the second is the dependency's.
    EXPECT_EQ(Attributes(Element(xml, "assemblyIdentity")),
              (std::map<std::string, std::string>{
                  {"version", "3.80.0.0"},
                  {"processorArchitecture", GetParam().manifestArchitecture},
                  {"name", "Zelk-Setup"},
                  {"type", "win32"}}));
    EXPECT_NE(
        xml.find("<description>Siemens S7 PLC DB store/write application setup</description>"),
        std::string::npos);
    EXPECT_EQ(Attributes(Element(xml, "requestedExecutionLevel")),
              (std::map<std::string, std::string>{{"level", "requireAdministrator"},
                                                  {"uiAccess", "false"}}));
    EXPECT_EQ(pe_.OfType(kManifest).size(), 1u);
}

// What the setup declares to Windows beyond its rights, in the manifest and
// in the executable's header: one row each.
struct Declaration {
    enum Kind { SupportedOs, WindowsSetting, HeaderFlag } kind;
    const char* what;   // the system's GUID, the setting's element, the flag's name
    const char* value;  // the setting's content; unused otherwise
    uint16_t flag;      // the DllCharacteristics bit
    bool only64Bit;
};

const Declaration kDeclarations[] = {
    {Declaration::SupportedOs, "{e2011457-1546-43c5-a5fe-008deee3d3f0}", "Vista", 0, false},
    {Declaration::SupportedOs, "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "7", 0, false},
    {Declaration::SupportedOs, "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", "8", 0, false},
    {Declaration::SupportedOs, "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "8.1", 0, false},
    {Declaration::SupportedOs, "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", "10 and 11", 0, false},
    {Declaration::WindowsSetting, "dpiAware", "true", 0, false},
    {Declaration::WindowsSetting, "dpiAwareness", "PerMonitorV2, PerMonitor", 0, false},
    {Declaration::WindowsSetting, "longPathAware", "true", 0, false},
    {Declaration::HeaderFlag, "HIGH_ENTROPY_VA", "", 0x0020, true},
    {Declaration::HeaderFlag, "DYNAMIC_BASE", "", 0x0040, false},
    {Declaration::HeaderFlag, "NX_COMPAT", "", 0x0100, false},
    {Declaration::HeaderFlag, "TERMINAL_SERVER_AWARE", "", 0x8000, false},
};

TEST_P(ExecutableResources, DeclaresTheSystemsSettingsAndFlagsItIsMadeFor) {
    const PeResource* r = pe_.Find(kManifest, 1);
    ASSERT_NE(r, nullptr);
    const std::string& xml = r->data;
    const bool is64Bit = GetParam().machine == 0x8664;
    std::set<std::string> systems;
    static const std::regex kSupportedOs(R"re(<supportedOS Id="([^"]*)"\s*/>)re");
    for (std::sregex_iterator i(xml.begin(), xml.end(), kSupportedOs), end; i != end; ++i)
        systems.insert((*i)[1]);
    std::set<std::string> expectedSystems;
    uint16_t expectedFlags = 0;
    for (const Declaration& d : kDeclarations) {
        SCOPED_TRACE(d.what);
        switch (d.kind) {
            case Declaration::SupportedOs:
                expectedSystems.insert(d.what);
                break;
            case Declaration::WindowsSetting: {
                // Inside the application's windowsSettings, each in its own namespace.
                const std::regex element("<windowsSettings>[\\s\\S]*<" + std::string(d.what) +
                                         " xmlns=\"http://schemas.microsoft.com/SMI/[0-9]+/"
                                         "WindowsSettings\">([^<]*)</" +
                                         d.what +
                                         ">[\\s\\S]*"
                                         "</windowsSettings>");
                std::smatch m;
                ASSERT_TRUE(std::regex_search(xml, m, element));
                EXPECT_EQ(m[1], d.value);
                break;
            }
            case Declaration::HeaderFlag:
                if (!d.only64Bit || is64Bit)
                    expectedFlags |= d.flag;
                break;
        }
    }
    // Nothing more: a system listed that the setup was never tried on would
    // give it that system's behaviour unasked.
    EXPECT_EQ(systems, expectedSystems);
    for (const Declaration& d : kDeclarations) {
        if (d.kind == Declaration::HeaderFlag) {
            EXPECT_EQ(pe_.dllCharacteristics & d.flag, expectedFlags & d.flag) << d.what;
        }
    }
}

// Imports resolved before WinMain are looked for beside the setup first; every
// other system DLL is delay-loaded, after WinMain has limited where DLLs come from.
TEST_P(ExecutableResources, ImportsNothingButKernel32AndMsvcrt) {
    std::set<std::string> dlls;
    for (std::string dll : pe_.importedDlls) {
        for (char& c : dll) c = char(std::tolower(static_cast<unsigned char>(c)));
        dlls.insert(dll);
    }
    EXPECT_EQ(dlls, (std::set<std::string>{"kernel32.dll", "msvcrt.dll"}));
}

INSTANTIATE_TEST_SUITE_P(Builds, ExecutableResources, testing::ValuesIn(kBuilds),
                         [](const testing::TestParamInfo<Build>& info) {
                             return std::string(info.param.name);
                         });

TEST(ReadPeImage, RefusesWhatIsNotAWholeExecutable) {
    PeImage pe;
    std::string error;
    EXPECT_FALSE(ReadPeImage("", pe, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(ReadPeImage("MZ" + std::string(100, '\0'), pe, error));
    std::string whole;
    if (!ReadWhole(QUILLMARK_SETUP_EXE_X86_64, whole))
        GTEST_SKIP() << "no x86_64 build";
    // Cut inside the resources: the directory is there, the manifest is not.
    const size_t manifest = whole.find("<assembly ");
    ASSERT_NE(manifest, std::string::npos);
    EXPECT_FALSE(ReadPeImage(whole.substr(0, manifest), pe, error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
