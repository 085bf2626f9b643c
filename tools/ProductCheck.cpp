#include "tools/ProductCheck.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <system_error>

#include "settings/IniDocument.h"
#include "settings/LoadIniDocument.h"
#include "tools/PeResources.h"
#include "tools/ReadWhole.h"
#include "base/FileSystem.h"

namespace fs = std::filesystem;

const int kUsedIconIndexes[5] = {0, 1, 3, 4, 5};

namespace {

constexpr uint32_t kRtIcon = 3;
constexpr uint32_t kRtGroupIcon = 14;

// The settings reader reads through a FileSystem; here it gets one file's bytes.
class OneFileSystem : public FileSystem {
public:
    explicit OneFileSystem(const std::string& bytes) : bytes_(bytes) {}
    OsResult ReadFile(const std::string& path, std::string& data) override {
        if (path != kPath)
            return OsResult::Failed();
        data = bytes_;
        return OsResult::Done();
    }
    // Nothing else is there, and nothing can be changed.
    OsResult RealizeDirectory(const std::string&) override { return OsResult::Failed(); }
    OsResult RemoveFile(const std::string&) override { return OsResult::Failed(); }
    OsResult RenameFile(const std::string&, const std::string&) override {
        return OsResult::Failed();
    }
    std::vector<FolderEntry> ListFolder(const std::string&) override { return {}; }
    OsResult WriteFlushedFile(const std::string&, std::string_view) override {
        return OsResult::Failed();
    }
    OsResult MoveReplacing(const std::string&, const std::string&) override {
        return OsResult::Failed();
    }
    OsResult LinkFile(const std::string&, const std::string&) override {
        return OsResult::Failed();
    }
    bool FileExists(const std::string& path) override { return path == kPath; }
    OsResult IsReplaceable(const std::string&) override { return OsResult::Failed(); }
    bool FolderExists(const std::string&) override { return false; }
    OsResult RemoveEmptyFolder(const std::string&) override { return OsResult::Failed(); }

    static constexpr const char* kPath = "Quillmark.ini";

private:
    const std::string& bytes_;
};

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string BareName(const std::string& path) {
    const size_t cut = path.rfind('/');
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

// Everything in the folder that is not a folder itself, relative and "/"-separated.
std::vector<std::string> EntriesOf(const fs::path& folder, std::vector<std::string>& problems) {
    std::vector<std::string> entries;
    std::error_code ec;
    fs::recursive_directory_iterator it(folder, ec), end;
    if (ec) {
        problems.push_back("cannot list the product folder " + folder.string() + ": " +
                           ec.message());
        return entries;
    }
    for (; it != end; it.increment(ec)) {
        if (ec) {
            problems.push_back("cannot list " + it->path().string() + ": " + ec.message());
            break;
        }
        if (it->is_directory() && !it->is_symlink())
            continue;
        entries.push_back(it->path().lexically_relative(folder).generic_string());
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

// A file found where an expected one is not: the same name in another folder
// or in another case. Answers the index of the found entry, or npos.
size_t FindMisplaced(const std::string& wanted, const std::vector<std::string>& found,
                     const std::vector<bool>& taken) {
    const std::string name = Lower(BareName(wanted));
    for (size_t i = 0; i < found.size(); ++i)
        if (!taken[i] && Lower(BareName(found[i])) == name)
            return i;
    return std::string::npos;
}

std::string CheckContent(const std::string& relative, const std::string& bytes) {
    const std::string name = BareName(relative);
    if (name == "Quillmark.ini")
        return CheckDefaultSettings(bytes);
    if (name == "AppIcons.icl")
        return CheckIconLibrary(bytes);
    return {};
}

std::string CheckFile(const fs::path& path, const std::string& relative) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec || !fs::is_regular_file(status))
        return relative + " is not a regular file (expected one, read as it is packed)";
    std::string bytes;
    if (!ReadWhole(path.string(), bytes))
        return "cannot read " + relative;
    const std::string problem = CheckContent(relative, bytes);
    return problem.empty() ? problem : relative + ": " + problem;
}

}  // namespace

std::string CheckDefaultSettings(const std::string& bytes) {
    for (size_t i = 0; i < bytes.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x20 && c != '\r' && c != '\n' && c != '\t')
            return "not a settings text (control byte " + std::to_string(c) + " at offset " +
                   std::to_string(i) + "); expected the product's default settings";
    }
    OneFileSystem one(bytes);
    IniDocument document;
    if (!LoadIniDocument(one, OneFileSystem::kPath, document))
        return "the setup's settings reader cannot read it";
    for (const IniSection& section : document.Sections())
        for (const IniEntry& entry : section.Entries())
            if (entry.key == "LINK")
                return "has a LINK line, which would make the setup read another file at "
                       "install time; expected the settings themselves";
    for (const char* wanted : {"App", "Communication", "Get"}) {
        const auto& sections = document.Sections();
        const bool present = std::any_of(sections.begin(), sections.end(),
                                         [&](const IniSection& s) { return s.Name() == wanted; });
        if (!present)
            return std::string("the setup's settings reader finds no [") + wanted +
                   "] section; expected the sections App, Communication and Get";
    }
    return {};
}

std::string CheckIconLibrary(const std::string& bytes) {
    PeImage image;
    std::string error;
    if (!ReadPeImage(bytes, image, error))
        return "not a Windows image holding icons (" + error + ")";
    const std::vector<const PeResource*> groups = image.OfType(kRtGroupIcon);
    const int needed = *std::max_element(std::begin(kUsedIconIndexes), std::end(kUsedIconIndexes));
    if (static_cast<int>(groups.size()) <= needed)
        return "holds " + std::to_string(groups.size()) +
               " icons; expected icons at indexes 0, 1, 3, 4 and 5";
    for (int index : kUsedIconIndexes) {
        const std::string& group = groups[static_cast<size_t>(index)]->data;
        auto u16 = [&](size_t at) {
            return static_cast<unsigned>(static_cast<unsigned char>(group[at]) |
                                         static_cast<unsigned char>(group[at + 1]) << 8);
        };
        const std::string which = "icon " + std::to_string(index);
        if (group.size() < 6 || u16(2) != 1 || u16(4) == 0 || group.size() < 6 + 14 * u16(4))
            return which + " has no images; expected an icon group with at least one image";
        for (unsigned i = 0; i < u16(4); ++i)
            if (!image.Find(kRtIcon, u16(6 + 14 * i + 12)))
                return which + " names an image the file does not hold";
    }
    return {};
}

std::vector<std::string> CheckProductFolder(const std::string& folder,
                                            const std::vector<std::string>& expected) {
    std::vector<std::string> problems;
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        return {"the product folder " + folder + " is not a folder"};
    const std::vector<std::string> found = EntriesOf(folder, problems);
    std::vector<bool> taken(found.size(), false);
    std::vector<std::string> missing;
    for (const std::string& wanted : expected) {
        auto at = std::find(found.begin(), found.end(), wanted);
        if (at != found.end())
            taken[static_cast<size_t>(at - found.begin())] = true;
        else if (!fs::exists(fs::symlink_status(fs::path(folder) / wanted, ec))) {
            missing.push_back(wanted);
            continue;
        }
        const std::string problem = CheckFile(fs::path(folder) / wanted, wanted);
        if (!problem.empty())
            problems.push_back(problem);
    }
    for (const std::string& wanted : missing) {
        const size_t other = FindMisplaced(wanted, found, taken);
        if (other == std::string::npos) {
            problems.push_back(wanted + " is missing");
            continue;
        }
        taken[other] = true;
        problems.push_back(found[other] + " is misplaced or misnamed: expected " + wanted);
    }
    for (size_t i = 0; i < found.size(); ++i)
        if (!taken[i])
            problems.push_back(found[i] + " is not one of the product's files");
    return problems;
}
