#include "base/Path.h"

#include <gtest/gtest.h>

namespace {

using Levels = std::vector<std::string>;

TEST(CollapseSeparators, MakesRunsOfBackslashesOneButKeepsANetworkPathsStart) {
    EXPECT_EQ(CollapseSeparators("C:\\Tools\\\\Quillmark.exe"), "C:\\Tools\\Quillmark.exe");
    EXPECT_EQ(CollapseSeparators("C:\\A\\\\\\B\\"), "C:\\A\\B\\");
    EXPECT_EQ(CollapseSeparators("\\\\server\\share\\\\x"), "\\\\server\\share\\x");
    EXPECT_EQ(CollapseSeparators("\\\\?\\C:\\x"), "\\\\?\\C:\\x");
    EXPECT_EQ(CollapseSeparators("C:\\Tools\\Quillmark.exe"), "C:\\Tools\\Quillmark.exe");
    EXPECT_EQ(CollapseSeparators(""), "");
}

TEST(AppendFileName, PutsOneBackslashOnlyWhereNeitherSideHasOne) {
    EXPECT_EQ(AppendFileName("C:\\Users\\Me\\Desktop", "Quillmark.lnk"),
              "C:\\Users\\Me\\Desktop\\Quillmark.lnk");
    EXPECT_EQ(AppendFileName("C:\\Programs\\", "Quillmark"), "C:\\Programs\\Quillmark");
    EXPECT_EQ(AppendFileName("C:\\Programs", "\\Quillmark"), "C:\\Programs\\Quillmark");
    EXPECT_EQ(AppendFileName("C:\\Programs\\", "\\Quillmark"), "C:\\Programs\\\\Quillmark");
    EXPECT_EQ(AppendFileName("", "Quillmark.lnk"), "Quillmark.lnk");
    EXPECT_EQ(AppendFileName("C:\\Programs", ""), "C:\\Programs\\");
    // Only the backslash counts as a separator here.
    EXPECT_EQ(AppendFileName("C:/Programs/", "x"), "C:/Programs/\\x");
}

TEST(FolderPart, CutsAfterTheLastSeparatorOrColon) {
    EXPECT_EQ(FolderPart("C:\\Apps\\Quillmark\\Quillmark.exe"), "C:\\Apps\\Quillmark\\");
    EXPECT_EQ(FolderPart("C:\\Apps\\\\Quillmark.exe"), "C:\\Apps\\\\");
    EXPECT_EQ(FolderPart("C:Quillmark.exe"), "C:");
    EXPECT_EQ(FolderPart("D:/x/y.exe"), "D:/x/");
    EXPECT_EQ(FolderPart("Quillmark.exe"), "");
}

TEST(FolderLevels, ListsTheLevelsBelowTheRootOutermostFirst) {
    EXPECT_EQ(FolderLevels("C:\\A\\B"), (Levels{"C:\\A", "C:\\A\\B"}));
    EXPECT_EQ(FolderLevels("C:\\A\\B\\"), (Levels{"C:\\A", "C:\\A\\B"}));
    EXPECT_EQ(FolderLevels("C:\\A\\\\B"), (Levels{"C:\\A", "C:\\A\\\\B"}));
    EXPECT_EQ(FolderLevels("C:\\"), Levels{});
    EXPECT_EQ(FolderLevels("C:A"), Levels{"C:A"});
    EXPECT_EQ(FolderLevels("\\\\server\\share\\Apps\\Q"),
              (Levels{"\\\\server\\share\\Apps", "\\\\server\\share\\Apps\\Q"}));
    EXPECT_EQ(FolderLevels("\\\\?\\C:\\Apps"), Levels{"\\\\?\\C:\\Apps"});
    EXPECT_EQ(FolderLevels("\\Apps\\Q"), (Levels{"\\Apps", "\\Apps\\Q"}));
    EXPECT_EQ(FolderLevels("Accessories\\Quillmark"),
              (Levels{"Accessories", "Accessories\\Quillmark"}));
    EXPECT_EQ(FolderLevels("C:/Apps/Q"), (Levels{"C:/Apps", "C:/Apps/Q"}));
    EXPECT_EQ(FolderLevels(""), Levels{});
}

}  // namespace
