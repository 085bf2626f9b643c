#include "tools/ProductCheck.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/SettingsExample.h"
#include "tools/DefaultSettings.h"
#include "tools/ReadWhole.h"

namespace fs = std::filesystem;

namespace {

const std::vector<std::string> kExpected = {
    "Quillmark.exe",
    "Quillmark.ini",
    "libnodave.dll",
    "Documentations/UserManual$en-us.chm",
    "Documentations/UserManual$it-it.chm",
    "Support/AppIcons.icl",
    "Support/Project.xml",
    "Support/local.upd",
    "Sources/Quillmark-V390-source.7z",
    "Sources/libnodave-0.8.4.5.zip",
};

std::string ReadFile(const std::string& path) {
    std::string data;
    return ReadWhole(path, data) ? data : std::string();
}

// The icon library the Windows build makes for its sample product.
std::string SampleIconLibrary() {
    return ReadFile(fs::path(QUILLMARK_SETUP_EXE_X86_64).parent_path().parent_path() /
                    "sample-build" / "AppIcons.icl");
}

void Write(const fs::path& path, const std::string& data) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << data;
}

// A product folder that passes, in a fresh temporary folder.
class ProductFolder : public ::testing::Test {
protected:
    void SetUp() override {
        icons_ = SampleIconLibrary();
        if (icons_.empty())
            GTEST_SKIP() << "no sample icon library of the x86_64 build";
        root_ =
            fs::temp_directory_path() /
            ("product-check-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        for (const std::string& f : kExpected)
            Write(root_ / f, f == "Quillmark.ini"          ? DefaultSettingsFile()
                             : f == "Support/AppIcons.icl" ? icons_
                                                           : "data of " + f);
    }
    void TearDown() override {
        if (!root_.empty())
            fs::remove_all(root_);
    }
    std::vector<std::string> Check() const { return CheckProductFolder(root_.string(), kExpected); }

    fs::path root_;
    std::string icons_;
};

TEST_F(ProductFolder, TheTenFilesPass) {
    EXPECT_TRUE(Check().empty());
}

TEST_F(ProductFolder, NamesEachMissingMisplacedAndUnexpectedFile) {
    fs::remove(root_ / "libnodave.dll");
    fs::rename(root_ / "Support/Project.xml", root_ / "Documentations/Project.xml");
    fs::rename(root_ / "Support/local.upd", root_ / "Support/Local.upd");
    Write(root_ / "Documentations/Thumbs.db", "x");
    const std::vector<std::string> expected = {
        "libnodave.dll is missing",
        "Documentations/Project.xml is misplaced or misnamed: expected Support/Project.xml",
        "Support/Local.upd is misplaced or misnamed: expected Support/local.upd",
        "Documentations/Thumbs.db is not one of the product's files",
    };
    EXPECT_EQ(Check(), expected);
}

TEST_F(ProductFolder, AFolderOrLinkInAFilesPlaceIsNoRegularFile) {
    fs::remove(root_ / "Sources/libnodave-0.8.4.5.zip");
    fs::create_directories(root_ / "Sources/libnodave-0.8.4.5.zip");
    fs::remove(root_ / "Support/Project.xml");
    fs::create_symlink("/dev/null", root_ / "Support/Project.xml");
    const std::vector<std::string> problems = Check();
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_NE(problems[0].find("Support/Project.xml is not a regular file"), std::string::npos);
    EXPECT_NE(problems[1].find("Sources/libnodave-0.8.4.5.zip is not a regular file"),
              std::string::npos);
}

TEST_F(ProductFolder, WrongContentsAreNamedWithTheirFile) {
    Write(root_ / "Quillmark.ini", std::string("MZ\x90\x00\x03", 5));
    Write(root_ / "Support/AppIcons.icl", "not an image");
    const std::vector<std::string> problems = Check();
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].rfind("Quillmark.ini: not a settings text", 0), 0u) << problems[0];
    EXPECT_EQ(problems[1].rfind("Support/AppIcons.icl: not a Windows image", 0), 0u) << problems[1];
}

TEST(ProductCheck, AMissingFolderIsNamed) {
    const auto problems = CheckProductFolder("/nonexistent/product", kExpected);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find("/nonexistent/product is not a folder"), std::string::npos);
}

TEST(ProductCheck, DefaultSettingsNeedTheMergedSectionsAndNoLink) {
    EXPECT_EQ(DefaultSettingsFile().size(), kDefaultSettingsBytes);  // the real one's
    EXPECT_EQ(CheckDefaultSettings(DefaultSettingsFile()), "");
    EXPECT_EQ(CheckDefaultSettings(ExampleOldSettingsFile()), "");
    EXPECT_NE(CheckDefaultSettings("[App]\r\n[Get]\r\n").find("no [Communication] section"),
              std::string::npos);
    EXPECT_NE(
        CheckDefaultSettings(DefaultSettingsFile() + "LINK=C:\\other.ini\r\n").find("LINK line"),
        std::string::npos);
    EXPECT_NE(CheckDefaultSettings("").find("no [App] section"), std::string::npos);
}

TEST(ProductCheck, IconLibraryNeedsIconsUpToIndexFive) {
    const std::string icons = SampleIconLibrary();
    if (icons.empty())
        GTEST_SKIP() << "no sample icon library of the x86_64 build";
    EXPECT_EQ(CheckIconLibrary(icons), "");
    // The setup itself is a Windows image with one icon.
    EXPECT_EQ(CheckIconLibrary(ReadFile(QUILLMARK_SETUP_EXE_X86_64)),
              "holds 1 icons; expected icons at indexes 0, 1, 3, 4 and 5");
    EXPECT_NE(CheckIconLibrary(icons.substr(0, icons.size() / 2)).find("not a Windows image"),
              std::string::npos);
}

}  // namespace
