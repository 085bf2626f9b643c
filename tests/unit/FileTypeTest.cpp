#include "shell/FileType.h"

#include <gtest/gtest.h>

#include "shell/ProductFileTypes.h"
#include "support/ExpectedFileTypes.h"
#include "support/MemoryRegistry.h"

namespace {

using Values = std::map<std::string, std::string>;
using Keys = std::set<std::string>;
constexpr RegRoot kClasses = RegRoot::ClassesRoot;

TEST(ProductFileTypes, WriteExactlyTheThreeAssociations) {
    MemoryRegistry reg;
    RegisterProductFileTypes(reg, "D:\\Plant\\Logger\\Quillmark.exe");

    EXPECT_EQ(reg.KeysUnder(kClasses), ExpectedFileTypeKeys());
    const Values expected = ExpectedFileTypeValues("D:\\Plant\\Logger");
    EXPECT_EQ(reg.values.size(), expected.size());
    for (const auto& [key, text] : expected)
        EXPECT_EQ(reg.ValuesOf(kClasses, key), (Values{{"", text}})) << key;
}

TEST(ProductFileTypes, TrailingBackslashOfTheInstallFolderIsKeptNotDoubledAgain) {
    MemoryRegistry reg;
    RegisterProductFileTypes(reg, "D:\\Plant\\\\Quillmark.exe");
    EXPECT_EQ(reg.GetString(kClasses, "Quillmark.qkmem.File\\DefaultIcon", ""),
              "D:\\Plant\\\\Support\\AppIcons.icl,1");
    EXPECT_EQ(GetRegisteredOpenProgram(reg, ".qkprj"), "D:\\Plant\\\\Quillmark.exe");
}

TEST(ProductFileTypes, SecondRunOverwritesTheValuesAndLeavesOthersAlone) {
    MemoryRegistry reg;
    reg.SetString(kClasses, ".qkmem", "Content Type", "application/x-quillmark");
    RegisterProductFileTypes(reg, "C:\\Old Place\\Quillmark.exe");
    RegisterProductFileTypes(reg, "E:\\New\\Quillmark.exe");
    EXPECT_EQ(reg.ValuesOf(kClasses, ".qkmem"),
              (Values{{"", "Quillmark.qkmem.File"}, {"Content Type", "application/x-quillmark"}}));
    EXPECT_EQ(reg.GetString(kClasses, "Quillmark.qkint.File\\DefaultIcon", ""),
              "E:\\New\\Support\\AppIcons.icl,5");
    EXPECT_EQ(GetRegisteredOpenProgram(reg, ".qkmem"), "E:\\New\\Quillmark.exe");
}

TEST(RegisterFileType, WithoutAProgramWritesNoOpenCommandAndSucceeds) {
    MemoryRegistry reg;
    EXPECT_TRUE(RegisterFileType(reg, ".qkint", "Quillmark interface", "Quillmark",
                                 "C:\\Q\\Support\\AppIcons.icl,5", "", ""));
    EXPECT_EQ(reg.KeysUnder(kClasses),
              (Keys{".qkint", "Quillmark.qkint.File", "Quillmark.qkint.File\\DefaultIcon"}));
    EXPECT_EQ(reg.values.size(), 3u);
}

TEST(RegisterFileType, ShortProgramPaths) {
    {  // no icon, program of 8 characters: the program's own first icon
        MemoryRegistry reg;
        EXPECT_TRUE(RegisterFileType(reg, ".x", "X", "B", "", "C:\\p.exe", " %1"));
        EXPECT_EQ(reg.GetString(kClasses, "B.x.File\\DefaultIcon", ""), "C:\\p.exe, 0");
        EXPECT_EQ(reg.GetString(kClasses, "B.x.File\\Shell\\Open\\Command", ""),
                  "\"C:\\p.exe\" %1");
    }
    {  // no icon and no program: fails once extension and description are written
        MemoryRegistry reg;
        EXPECT_FALSE(RegisterFileType(reg, ".x", "X", "B", "", "", ""));
        EXPECT_EQ(reg.KeysUnder(kClasses), (Keys{".x", "B.x.File"}));
    }
    {  // 5 characters count as no program
        MemoryRegistry reg;
        EXPECT_TRUE(RegisterFileType(reg, ".x", "X", "B", "i.ico,0", "C:\\pq", " a"));
        EXPECT_EQ(reg.KeysUnder(kClasses), (Keys{".x", "B.x.File", "B.x.File\\DefaultIcon"}));
    }
    {  // 6 characters do, but "C:\p.e" names no ".exe": it reads back as "C:"
        MemoryRegistry reg;
        EXPECT_FALSE(RegisterFileType(reg, ".x", "X", "B", "i.ico,0", "C:\\p.e", ""));
        EXPECT_EQ(reg.GetString(kClasses, "B.x.File\\Shell\\Open\\Command", ""), "\"C:\\p.e\"");
    }
}

TEST(RegisterFileType, TakesOverAnExtensionOfAnotherProgram) {
    MemoryRegistry reg;
    reg.SetString(kClasses, ".qkmem", "", "Other.Document");
    reg.SetString(kClasses, "Other.Document\\Shell\\Open\\Command", "", "C:\\Other\\other.exe %1");
    EXPECT_EQ(GetRegisteredOpenProgram(reg, ".qkmem"), "C:\\Other\\other.exe");

    EXPECT_TRUE(RegisterFileType(reg, ".qkmem", "Quillmark data", "Quillmark", "q.icl,1",
                                 "C:\\Q\\Quillmark.exe", " \"/F:%1\""));
    EXPECT_EQ(reg.GetString(kClasses, ".qkmem", ""), "Quillmark.qkmem.File");
    EXPECT_EQ(GetRegisteredOpenProgram(reg, ".qkmem"), "C:\\Q\\Quillmark.exe");
    // The other program's own keys are not ours to remove.
    EXPECT_EQ(reg.GetString(kClasses, "Other.Document\\Shell\\Open\\Command", ""),
              "C:\\Other\\other.exe %1");
}

TEST(RegisterFileType, ReadBackNamingAnotherProgramFailsButKeepsTheValues) {
    MemoryRegistry reg;
    reg.shadowed[{kClasses, ".qkmem", ""}] = "User.Choice";
    reg.SetString(kClasses, "User.Choice\\Shell\\Open\\Command", "", "\"C:\\U\\user.exe\" \"%1\"");
    EXPECT_FALSE(RegisterFileType(reg, ".qkmem", "Quillmark data", "Quillmark", "q.icl,1",
                                  "C:\\Q\\Quillmark.exe", " \"/F:%1\""));
    EXPECT_EQ(reg.values.at({kClasses, ".qkmem", ""}), "Quillmark.qkmem.File");
    EXPECT_EQ(reg.GetString(kClasses, "Quillmark.qkmem.File\\Shell\\Open\\Command", ""),
              "\"C:\\Q\\Quillmark.exe\" \"/F:%1\"");
}

TEST(RegisterFileType, FailedWritesEndTheRegistrationExceptTheIcon) {
    const auto attempt = [](const std::string& deniedKey, Keys& keys) {
        MemoryRegistry reg;
        reg.denied.insert({kClasses, deniedKey});
        bool ok = RegisterFileType(reg, ".qkmem", "D", "Quillmark", "q.icl,1",
                                   "C:\\Q\\Quillmark.exe", " \"/F:%1\"");
        keys = reg.KeysUnder(kClasses);
        return ok;
    };
    Keys keys;
    EXPECT_FALSE(attempt(".qkmem", keys));
    EXPECT_TRUE(keys.empty());
    EXPECT_FALSE(attempt("Quillmark.qkmem.File", keys));
    EXPECT_EQ(keys, Keys{".qkmem"});
    EXPECT_FALSE(attempt("Quillmark.qkmem.File\\Shell", keys));
    EXPECT_TRUE(attempt("Quillmark.qkmem.File\\DefaultIcon", keys));
    EXPECT_TRUE(keys.count("Quillmark.qkmem.File\\Shell\\Open\\Command"));
}

TEST(GetRegisteredOpenProgram, CutsTheCommandAfterTheFirstExe) {
    MemoryRegistry reg;
    reg.SetString(kClasses, ".a", "", "A");
    const auto programOf = [&](const std::string& command) {
        reg.SetString(kClasses, "A\\Shell\\Open\\Command", "", command);
        return GetRegisteredOpenProgram(reg, ".a");
    };
    EXPECT_EQ(programOf("\"C:\\Program Files\\Q\\Quillmark.exe\" \"/F:%1\""),
              "C:\\Program Files\\Q\\Quillmark.exe");
    EXPECT_EQ(programOf("C:\\Q\\q.exe %1"), "C:\\Q\\q.exe");
    EXPECT_EQ(programOf("C:\\a.exe\\b.exe"), "C:\\a.exe");
    // Case-sensitive, and with no ".exe" the first three characters stand in.
    EXPECT_EQ(programOf("C:\\Q\\Q.EXE %1"), "C:\\");
    EXPECT_EQ(programOf("\"C:\\Q\\run.bat\""), "C:");
    EXPECT_EQ(programOf("ab"), "ab");
    EXPECT_EQ(programOf(""), "");
    EXPECT_EQ(GetRegisteredOpenProgram(reg, ".unknown"), "");
}

}  // namespace
