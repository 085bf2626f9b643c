#include "settings/MergeSettings.h"

#include <gtest/gtest.h>

#include <random>

#include "settings/HexEncode.h"
#include "settings/IniDocument.h"
#include "settings/LoadIniDocument.h"
#include "settings/ParseIniDocument.h"
#include "support/IniText.h"
#include "support/MemoryFileSystem.h"
#include "tools/DefaultSettings.h"

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

// The language merged into the product's default file, which names EN-US.
std::string MergedLanguage(const std::string& oldFile) {
    IniDocument oldSettings = ParseIniDocument(oldFile);
    IniDocument defaults = ParseIniDocument(DefaultSettingsFile());
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
    while (text.size() < bytes) text += piece;
    return text;
}

// Settings files far larger than the product writes, in the shapes that cost
// the reader most, are read whole and merged; the user's sections come last.
TEST(MergeSettingsTest, ALargeSettingsFileIsReadWholeAndMerged) {
    std::string noise(8 << 20, '\0');
    std::mt19937 random(1);
    for (char& c : noise) c = static_cast<char>(random());
    const std::string fillers[] = {
        Repeated("[Section]\r\nKey=a value of an ordinary length\r\n", 8 << 20), noise + "\r\n",
        Repeated("k\r", 4 << 20),    // a key line every two bytes
        Repeated("[s]\r", 4 << 20),  // a section every four
    };
    for (const std::string& filler : fillers) {
        MemoryFileSystem fs;
        fs.files["Q.ini"] = filler + "[App]\r\nLanguage=IT-IT\r\n[Communication]\r\nDevice=3\r\n";
        IniDocument oldSettings, defaults;
        ASSERT_TRUE(LoadIniDocument(fs, "Q.ini", oldSettings)) << filler.substr(0, 9);
        MergeSettings(oldSettings, defaults, "C:\\Q");
        EXPECT_EQ(defaults.Section("App").Value("Language"), "IT-IT") << filler.substr(0, 9);
        EXPECT_EQ(defaults.Section("Communication").Value("Device"), "3") << filler.substr(0, 9);
    }
}

}  // namespace
