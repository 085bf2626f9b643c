#include "shell/Uninstall.h"

#include <gtest/gtest.h>

#include "support/MemoryRegistry.h"

namespace {

using Values = std::map<std::string, std::string>;
constexpr RegRoot kMachine = RegRoot::LocalMachine;
const char kKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quillmark";

TEST(RegisterUninstall, QuotesAProgramPathWithSpaces) {
    MemoryRegistry reg;
    RegisterUninstall(reg, "C:\\Program Files\\Quillmark\\Quillmark.exe", "Quillmark",
                      " /uninstall");
    EXPECT_EQ(reg.ValuesOf(kMachine, kKey),
              (Values{{"DisplayName", "Quillmark"},
                      {"UninstallString",
                       "\"C:\\Program Files\\Quillmark\\Quillmark.exe\" /uninstall"}}));
    EXPECT_EQ(reg.values.size(), 2u);
    EXPECT_TRUE(reg.KeysUnder(RegRoot::ClassesRoot).empty());
}

TEST(RegisterUninstall, ASecondInstallationOverwritesAndOthersValuesStay) {
    MemoryRegistry reg;
    reg.SetString(kMachine, kKey, "Publisher", "Someone else");
    reg.SetString(kMachine, kKey, "DisplayName", "Old name");
    RegisterUninstall(reg, "C:\\First\\Quillmark.exe", "Quillmark", " /uninstall");
    RegisterUninstall(reg, "D:\\Plant\\Logger\\Quillmark.exe", "Quillmark", " /uninstall");
    EXPECT_EQ(reg.ValuesOf(kMachine, kKey),
              (Values{{"DisplayName", "Quillmark"},
                      {"Publisher", "Someone else"},
                      {"UninstallString", "\"D:\\Plant\\Logger\\Quillmark.exe\" /uninstall"}}));
}

TEST(RegisterUninstall, WithoutRightsNothingIsWrittenAndNothingBreaks) {
    MemoryRegistry reg;
    reg.denied.insert({kMachine, "SOFTWARE"});
    RegisterUninstall(reg, "C:\\Q\\Quillmark.exe", "Quillmark", " /uninstall");
    EXPECT_TRUE(reg.values.empty());
}

}  // namespace
