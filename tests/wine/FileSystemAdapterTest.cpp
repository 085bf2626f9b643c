// The file system adapter past MAX_PATH, and which file a name reaches: what
// only the real system can answer.
#include <windows.h>

#include <algorithm>

#include <gtest/gtest.h>

#include "driver/Driver.h"
#include "win32/Utf.h"
#include "win32/WidePath.h"
#include "win32/Win32FileSystem.h"

using namespace driver;

namespace {

const std::string kName(60, 'n');
// Four folder levels: with any folder before them, a path past MAX_PATH.
const std::string kLongTail = kName + "\\" + kName + "\\" + kName + "\\" + kName;

std::wstring CurrentFolder() {
    std::wstring folder(32768, L'\0');
    folder.resize(GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data()));
    if (!folder.empty() && folder.back() == L'\\')
        folder.pop_back();
    return folder;
}

TEST(WidePathTest, OnlyPathsTooLongForThePlainFunctionsAreMadeAbsoluteAndPrefixed) {
    // 247 characters is the longest folder CreateDirectoryW takes as it is.
    const std::string longest = "C:\\" + std::string(244, 'a');
    struct Case {
        const char* what;
        std::string path;
        std::wstring expected;
    };
    const Case cases[] = {
        {"short: as given", "C:\\Programs\\\\Quillmark.exe", L"C:\\Programs\\\\Quillmark.exe"},
        {"short and relative: as given", "sub\\..\\x.ini", L"sub\\..\\x.ini"},
        {"just short enough", longest, Widen(longest)},
        {"one character more", longest + "b", L"\\\\?\\" + Widen(longest) + L"b"},
        {"long", "C:\\" + kLongTail + "\\x.ini", L"\\\\?\\C:\\" + Widen(kLongTail) + L"\\x.ini"},
        {"long, with a doubled separator", "C:\\" + kLongTail + "\\\\Quillmark.exe",
         L"\\\\?\\C:\\" + Widen(kLongTail) + L"\\Quillmark.exe"},
        {"long, with . and ..", "C:\\" + kLongTail + "\\.\\skipped\\..\\x.ini",
         L"\\\\?\\C:\\" + Widen(kLongTail) + L"\\x.ini"},
        {"long, with slashes", "C:/" + kLongTail + "/x.ini",
         L"\\\\?\\C:\\" + Widen(kLongTail) + L"\\x.ini"},
        {"long UNC", "\\\\server\\share\\" + kLongTail,
         L"\\\\?\\UNC\\server\\share\\" + Widen(kLongTail)},
        {"long, already prefixed: as given", "\\\\?\\C:\\" + kLongTail + "\\\\x",
         L"\\\\?\\C:\\" + Widen(kLongTail) + L"\\\\x"},
        {"long and relative: from the current folder", kLongTail + "\\x.ini",
         L"\\\\?\\" + CurrentFolder() + L"\\" + Widen(kLongTail) + L"\\x.ini"},
        {"long, outside ASCII", "C:\\" + kLongTail + "\\M\xC3\xBCller",
         L"\\\\?\\C:\\" + Widen(kLongTail) + L"\\M\u00fcller"},
    };
    for (const Case& c : cases) EXPECT_EQ(WidePath(c.path), c.expected) << c.what;
}

class FileSystemAdapter : public ::testing::Test {
protected:
    FileSystemAdapter() : folder_(TempFolder(L"FileSystemAdapter")) {}
    ~FileSystemAdapter() override { RemoveTree(L"\\\\?\\" + folder_); }

    std::wstring folder_;
    Win32FileSystem fs_;
};

// Everything the setup does with a product file, staged names included, in
// a folder whose paths pass MAX_PATH; the folder is named with a trailing
// separator, as an install folder may be, so that the file names joined to it
// hold a doubled one.
TEST_F(FileSystemAdapter, EveryOperationTakesPathsPastMaxPath) {
    const std::string folder = Narrow(folder_) + "\\" + kLongTail + "\\";
    const std::wstring exact = L"\\\\?\\" + folder_ + L"\\" + Widen(kLongTail);
    ASSERT_GT(folder.size(), 280u);
    const std::string file = folder + "\\Quillmark.exe";
    const std::string staged = file + ".setup-tmp", aside = file + ".setup-old";

    ASSERT_TRUE(fs_.RealizeDirectory(folder));
    EXPECT_TRUE(IsFolder(exact));
    EXPECT_TRUE(fs_.FolderExists(folder));
    ASSERT_TRUE(fs_.WriteFlushedFile(staged, "new"));
    EXPECT_TRUE(fs_.FileExists(staged));
    EXPECT_TRUE(fs_.MoveReplacing(staged, file));
    EXPECT_FALSE(fs_.FileExists(staged));
    EXPECT_TRUE(fs_.LinkFile(file, aside));
    EXPECT_TRUE(fs_.IsReplaceable(file));
    EXPECT_TRUE(fs_.RenameFile(aside, folder + "\\renamed"));
    std::string data;
    EXPECT_TRUE(fs_.ReadFile(file, data));
    EXPECT_EQ(data, "new");
    FileIdentity identity;
    EXPECT_TRUE(fs_.ReadIdentifiedFile(file, 3, data, identity));

    std::vector<std::string> names;
    for (const FolderEntry& entry : fs_.ListFolder(folder)) names.push_back(entry.name);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Quillmark.exe", "renamed"}));
    EXPECT_EQ(FileBytes(exact + L"\\Quillmark.exe"), "new");

    EXPECT_TRUE(fs_.RemoveFile(file));
    EXPECT_TRUE(fs_.RemoveFile(folder + "\\renamed"));
    EXPECT_TRUE(fs_.RemoveEmptyFolder(folder));
    EXPECT_FALSE(IsFolder(exact));
}

// A settings file's links may name one file in many ways; each reads as the
// same file, and only a larger file than asked for, or none, is refused.
TEST_F(FileSystemAdapter, EveryNameOfAFileReadsAsTheSameFile) {
    const std::string settings = Narrow(folder_) + "\\Settings";
    ASSERT_TRUE(fs_.RealizeDirectory(settings));
    const std::string file = settings + "\\Quillmark.ini";
    ASSERT_TRUE(fs_.WriteFlushedFile(file, "a=1"));
    ASSERT_TRUE(fs_.WriteFlushedFile(settings + "\\Other.ini", "a=1"));
    ASSERT_TRUE(fs_.LinkFile(file, settings + "\\Copy.ini"));
    std::wstring shortName(32768, L'\0');
    shortName.resize(GetShortPathNameW(Widen(file).c_str(), shortName.data(),
                                       static_cast<DWORD>(shortName.size())));
    ASSERT_FALSE(shortName.empty());
    EXPECT_NE(shortName, Widen(file));

    std::string upper = file;
    std::transform(upper.begin(), upper.end(), upper.begin(), ::toupper);
    struct Case {
        const char* what;
        std::string path;
    };
    const Case names[] = {
        {"other letter case", upper},
        {"a dot folder", settings + "\\.\\Quillmark.ini"},
        {"a folder and back", settings + "\\..\\Settings\\Quillmark.ini"},
        {"doubled separators", settings + "\\\\Quillmark.ini"},
        {"a second name", settings + "\\Copy.ini"},
        {"the short name", Narrow(shortName)},
        {"past MAX_PATH", settings + "\\" + kLongTail + "\\..\\..\\..\\..\\Quillmark.ini"},
    };
    FileIdentity identity;
    std::string data;
    ASSERT_TRUE(fs_.ReadIdentifiedFile(file, 3, data, identity));
    for (const Case& c : names) {
        FileIdentity same;
        std::string read;
        EXPECT_TRUE(fs_.ReadIdentifiedFile(c.path, 3, read, same)) << c.what;
        EXPECT_EQ(same, identity) << c.what;
        EXPECT_EQ(read, "a=1") << c.what;
    }
    FileIdentity other;
    ASSERT_TRUE(fs_.ReadIdentifiedFile(settings + "\\Other.ini", 3, data, other));
    EXPECT_FALSE(other == identity);

    data = "kept";
    EXPECT_EQ(fs_.ReadIdentifiedFile(file, 2, data, other).error, kFileTooLarge);
    EXPECT_EQ(data, "kept");
    EXPECT_EQ(fs_.ReadIdentifiedFile(settings + "\\none.ini", 9, data, other).error, kFileNotFound);
    EXPECT_EQ(fs_.ReadIdentifiedFile(settings + "\\none\\x.ini", 9, data, other).error,
              kPathNotFound);
}

}  // namespace
