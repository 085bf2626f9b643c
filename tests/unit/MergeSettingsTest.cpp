#include "settings/MergeSettings.h"

#include <gtest/gtest.h>

#include <random>

#include "settings/HexEncode.h"
#include "settings/IniDocument.h"
#include "settings/LoadIniDocument.h"
#include "settings/ParseIniDocument.h"
#include "support/IniText.h"
#include "support/MemoryFileSystem.h"

namespace {

TEST(HexEncodeTest, TwoUppercaseDigitsPerByte) {
    EXPECT_EQ(HexEncode("abc"), "616263");
    EXPECT_EQ(HexEncode(""), "");
    EXPECT_EQ(HexEncode(std::string("\0\x0F\x10\x9A\xFF", 5)), "000F109AFF");
    EXPECT_EQ(HexEncode("D:\\x y"), "443A5C782079");
}

TEST(UpdateSiteTest, IsAnHttpUrlEndingInTheMakersFolder) {
    const std::string url = kUpdateSiteUrl;
    EXPECT_EQ(url.rfind("http://", 0), 0u);
    const size_t path = url.find('/', 7);
    ASSERT_NE(path, std::string::npos);
    EXPECT_GT(path, 7u);  // a host
    EXPECT_EQ(url.substr(path), "/zelk/");
}

std::string MergedLanguage(const std::string& oldFile) {
    IniDocument oldSettings = ParseIniDocument(oldFile);
    IniDocument defaults = ParseIniDocument("[App]\r\nLanguage=EN-US\r\n");
    MergeSettings(oldSettings, defaults, "C:\\Q");
    return std::string(defaults.Section("App").Value("Language"));
}

TEST(MergeSettingsTest, OnlyAFullLanguageCodeIsKept) {
    EXPECT_EQ(MergedLanguage("[App]\r\nLanguage=IT-IT\r\n"), "IT-IT");
    EXPECT_EQ(MergedLanguage("[App]\r\nLanguage=DE-DE\r\n"), "DE-DE");
    EXPECT_EQ(MergedLanguage("[App]\r\nLanguage=ZH-HANS\r\n"), "ZH-HANS");
    EXPECT_EQ(MergedLanguage("[App]\r\nLanguage=DE-D\r\n"), "EN-US");
    EXPECT_EQ(MergedLanguage("[App]\r\nLanguage=EN\r\n"), "EN-US");
    EXPECT_EQ(MergedLanguage("[App]\r\nLanguage=\r\n"), "EN-US");
    EXPECT_EQ(MergedLanguage("[App]\r\nOther=1\r\n"), "EN-US");
    // Counted in bytes: two UTF-8 letters are four.
    EXPECT_EQ(MergedLanguage("[App]\r\nLanguage=\xC3\xA9\xC3\xA9\r\n"), "EN-US");
    // Another section's Language is not the user's.
    EXPECT_EQ(MergedLanguage("[Other]\r\nLanguage=IT-IT\r\n"), "EN-US");
}

TEST(MergeSettingsTest, TheFirstOfRepeatedOldEntriesIsCopied) {
    IniDocument oldSettings = ParseIniDocument("[Communication]\r\nAddress=7\r\nAddress=9\r\n");
    IniDocument defaults = ParseIniDocument("[Communication]\r\nAddress=2\r\n");
    MergeSettings(oldSettings, defaults, "C:\\Q");
    EXPECT_EQ(defaults.Section("Communication").Value("Address"), "7");
}

TEST(MergeSettingsTest, AKeyTheDefaultFileLacksIsAppendedToItsSection) {
    IniDocument oldSettings = ParseIniDocument("[Communication]\r\nRack=1\r\n");
    IniDocument defaults =
        ParseIniDocument("[Communication]\r\nDevice=5\r\nSlot=2\r\n[Get]\r\nArea=3\r\n");
    MergeSettings(oldSettings, defaults, "C:\\Q");
    const IniSection& communication = defaults.Section("Communication");
    std::vector<std::string> keys;
    for (const IniEntry& entry : communication.Entries()) keys.emplace_back(entry.key);
    EXPECT_EQ(keys, (std::vector<std::string>{"Device", "Slot", "IpString", "SerialCommPort",
                                              "SerialCommSpeed", "Address", "Rack"}));
    EXPECT_EQ(communication.Entries().back().value, "1");
}

TEST(MergeSettingsTest, WithoutADefaultFileTheKeysComeInMergeOrder) {
    IniDocument oldSettings;
    IniDocument defaults;
    MergeSettings(oldSettings, defaults, "C:\\Program Files\\Quillmark");
    const IniDocument expected = MakeIni({
        {"App",
         {{"Language", "EN-US"},
          {"UpdateUrl", HexEncode(kUpdateSiteUrl)},
          {"FirstOpen", "true"},
          {"LastPath", HexEncode("C:\\Program Files\\Quillmark")},
          {"Recents", ""}}},
        {"Communication",
         {{"Device", ""},
          {"IpString", ""},
          {"SerialCommPort", ""},
          {"SerialCommSpeed", ""},
          {"Address", ""},
          {"Rack", ""},
          {"Slot", ""}}},
        {"Get", {{"GetFileName", ""}, {"Area", ""}, {"Db", ""}, {"Start", ""}, {"Length", ""}}},
    });
    EXPECT_EQ(defaults, expected) << Describe(defaults);
}

TEST(MergeSettingsTest, OnlyTheListedKeysAreCarriedOver) {
    IniDocument oldSettings = ParseIniDocument(
        "; the user's note\r\n[App]\r\nTheme=dark\r\nRecents=R\r\n[Plugins]\r\nx=1\r\n");
    IniDocument defaults = ParseIniDocument("; package note\r\n[App]\r\nRecents=list\r\n");
    MergeSettings(oldSettings, defaults, "C:\\Q");
    EXPECT_EQ(defaults.Sections()[0].Entries()[0].value, "; package note");
    EXPECT_EQ(defaults.Section("App").Entries()[0], (IniEntry{"Recents", "R"}));
    for (const IniSection& section : defaults.Sections()) {
        EXPECT_NE(section.Name(), "Plugins");
        for (const IniEntry& entry : section.Entries()) EXPECT_NE(entry.key, "Theme");
    }
}

std::string Repeated(const std::string& piece, size_t bytes) {
    std::string text;
    text.reserve(bytes);
    while (text.size() < bytes) text += piece;
    return text;
}

// Its sections and entries, each a line of the file.
size_t LinesOf(const IniDocument& document) {
    size_t lines = document.Sections().size() - 1;  // the unnamed first one has no header
    for (const IniSection& section : document.Sections()) lines += section.Entries().size();
    return lines;
}

// Settings files far larger than the product writes, in the shapes that cost
// the reader most, are read whole and merged by the rules. The user's
// sections come last, so that every lookup passes all the rest.
TEST(MergeSettingsTest, ALargeSettingsFileIsReadWholeAndMerged) {
    constexpr size_t kMB = 1 << 20;
    struct Case {
        const char* what;
        std::string filler;
        size_t lines;  // what the filler makes; 0: not counted
    };
    Case ordinary{"ordinary sections and key lines", {}, 0};
    for (int i = 0; ordinary.filler.size() < 8 * kMB; ++i, ++ordinary.lines) {
        if (i % 20 == 0) {
            ordinary.filler += "[Section" + std::to_string(i) + "]\r\n";
            ++ordinary.lines;
        }
        ordinary.filler += "Key" + std::to_string(i) + "=a value of an ordinary length\r\n";
    }
    Case noise{"random bytes", std::string(8 * kMB, '\0'), 0};
    std::mt19937 random(1);
    for (char& c : noise.filler) c = static_cast<char>(random());
    noise.filler += "\r\n";
    const Case cases[] = {
        ordinary,
        noise,
        {"a key line every two bytes", Repeated("k\r", 4 * kMB), 2 * kMB},
        {"a section every four bytes", Repeated("[s]\r", 4 * kMB), kMB},
    };
    const std::string users =
        "[App]\r\nLanguage=IT-IT\r\nRecents=R\r\n[Communication]\r\nDevice=3\r\nSlot=1\r\n";
    for (const Case& c : cases) {
        MemoryFileSystem fs;
        fs.files["C:\\Q\\Quillmark.ini"] = c.filler + users;
        IniDocument oldSettings;
        ASSERT_TRUE(LoadIniDocument(fs, "C:\\Q\\Quillmark.ini", oldSettings)) << c.what;
        if (c.lines) {
            EXPECT_EQ(LinesOf(oldSettings), c.lines + 6) << c.what;
        }
        IniDocument defaults = ParseIniDocument(
            "[App]\r\nLanguage=EN-US\r\n[Communication]\r\nDevice=5\r\nSlot=2\r\n");
        MergeSettings(oldSettings, defaults, "C:\\Q");
        IniSection& app = defaults.Section("App");
        IniSection& communication = defaults.Section("Communication");
        EXPECT_EQ(app.Value("Language"), "IT-IT") << c.what;
        EXPECT_EQ(app.Value("Recents"), "R") << c.what;
        EXPECT_EQ(communication.Value("Device"), "3") << c.what;
        EXPECT_EQ(communication.Value("Slot"), "1") << c.what;
    }
}

}  // namespace
