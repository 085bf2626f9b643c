// The Win32 adapters of the ports answer the system's own code of a refusal,
// read before anything else could replace it.
#include <windows.h>

#include <gtest/gtest.h>

#include "RegistryValues.h"
#include "driver/Driver.h"
#include "win32/ShellLink.h"
#include "win32/Utf.h"
#include "win32/Win32FileSystem.h"
#include "win32/Win32Registry.h"

using namespace driver;

namespace {

class AdapterErrors : public ::testing::Test {
protected:
    AdapterErrors() : folder_(TempFolder(L"AdapterErrors")) {}
    ~AdapterErrors() override { RemoveTree(folder_); }

    std::string At(const char* name) const { return Narrow(folder_) + "\\" + name; }

    std::wstring folder_;
    Win32FileSystem fs_;
};

TEST_F(AdapterErrors, FileRefusalsCarryTheSystemsCode) {
    std::string data;
    EXPECT_EQ(fs_.ReadFile(At("missing"), data).error, DWORD{ERROR_FILE_NOT_FOUND});
    ASSERT_TRUE(fs_.WriteFlushedFile(At("file"), "x"));
    ASSERT_TRUE(fs_.WriteFlushedFile(At("other"), "y"));
    EXPECT_EQ(fs_.RenameFile(At("other"), At("file")).error, DWORD{ERROR_ALREADY_EXISTS});
    // A file where a folder level should be made.
    EXPECT_EQ(fs_.RealizeDirectory(At("file\\sub")).error, DWORD{ERROR_ALREADY_EXISTS});
    EXPECT_EQ(fs_.RemoveEmptyFolder(Narrow(folder_)).error, DWORD{ERROR_DIR_NOT_EMPTY});
}

TEST_F(AdapterErrors, AFileHeldWithoutSharingAnswersASharingViolation) {
    ASSERT_TRUE(fs_.WriteFlushedFile(At("held"), "x"));
    const KernelHandle held = HoldWithoutSharing(folder_ + L"\\held");
    ASSERT_TRUE(held.Valid());
    std::string data;
    EXPECT_EQ(fs_.ReadFile(At("held"), data).error, DWORD{ERROR_SHARING_VIOLATION});
    EXPECT_EQ(fs_.IsReplaceable(At("held")).error, DWORD{ERROR_SHARING_VIOLATION});
    EXPECT_EQ(fs_.WriteFlushedFile(At("held"), "y").error, DWORD{ERROR_SHARING_VIOLATION});
}

// What the setup's own files need of the adapter beyond refusals: a second
// name moved back over its first leaves one name, and a read-only file is
// replaced and removed like any other, its attribute kept when that fails or
// when the file is put back.
TEST_F(AdapterErrors, MovesAndRemovalsLeaveNoSecondNameAndAreNotStoppedByReadOnly) {
    ASSERT_TRUE(fs_.WriteFlushedFile(At("target"), "earlier"));
    ASSERT_TRUE(fs_.LinkFile(At("target"), At("aside")));
    EXPECT_TRUE(fs_.MoveReplacing(At("aside"), At("target")));
    EXPECT_FALSE(fs_.FileExists(At("aside")));
    std::string data;
    EXPECT_TRUE(fs_.ReadFile(At("target"), data) && data == "earlier");

    const std::wstring target = folder_ + L"\\target";
    ASSERT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(fs_.WriteFlushedFile(At("new"), "new"));
    EXPECT_TRUE(fs_.MoveReplacing(At("new"), At("target")));
    EXPECT_TRUE(fs_.ReadFile(At("target"), data) && data == "new");
    // No second name for a read-only file, which would lose the attribute
    // when the file is replaced; moved aside and back instead, it keeps it.
    ASSERT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(fs_.LinkFile(At("target"), At("aside")));
    EXPECT_TRUE(fs_.RenameFile(At("target"), At("aside")));
    ASSERT_TRUE(fs_.WriteFlushedFile(At("newer"), "newer"));
    EXPECT_TRUE(fs_.MoveReplacing(At("newer"), At("target")));
    EXPECT_TRUE(fs_.MoveReplacing(At("aside"), At("target")));
    EXPECT_TRUE(fs_.ReadFile(At("target"), data) && data == "new");
    EXPECT_TRUE(GetFileAttributesW(target.c_str()) & FILE_ATTRIBUTE_READONLY);
    {
        // Held: the removal fails, and the file stays read-only.
        const KernelHandle held = HoldWithoutSharing(target);
        EXPECT_FALSE(fs_.RemoveFile(At("target")));
        EXPECT_TRUE(GetFileAttributesW(target.c_str()) & FILE_ATTRIBUTE_READONLY);
    }
    EXPECT_TRUE(fs_.RemoveFile(At("target")));
    EXPECT_FALSE(fs_.FileExists(At("target")));
}

TEST_F(AdapterErrors, ARegistryRefusalCarriesTheSystemsCode) {
    // Longer than any key name may be.
    const std::string key = "Software\\QuillmarkTests\\" + std::string(300, 'k');
    const OsResult set = Win32Registry().SetString(RegRoot::CurrentUser, key, "Name", "text");
    EXPECT_FALSE(set);
    EXPECT_NE(set.error, OsResult::kNoCode);
    DeleteKeyTree(HKEY_CURRENT_USER, L"Software\\QuillmarkTests");
}

TEST_F(AdapterErrors, AShortcutRefusalCarriesTheWin32CodeInsideTheShellsAnswer) {
    Win32ShortcutWriter writer;
    const std::string target = At("file");
    const OsResult unsaved = writer.Write({target, "", At("missing\\x.lnk"), "d", "", 0});
    EXPECT_EQ(unsaved.error, DWORD{ERROR_PATH_NOT_FOUND});
    const std::string tooLong = At("") + std::string(MAX_PATH, 'q') + ".lnk";
    EXPECT_EQ(writer.Write({target, "", tooLong, "d", "", 0}).error,
              DWORD{ERROR_FILENAME_EXCED_RANGE});
}

}  // namespace
