#include "base/Path.h"

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// Length of the part of the path that no folder creation can make: "C:\",
// "C:", "\\server\share\", "\", or the same behind "\\?\".
size_t RootLength(const std::string& p) {
    if (p.compare(0, 4, "\\\\?\\") == 0)
        return 4 + RootLength(p.substr(4));
    if (p.size() >= 2 && IsSeparator(p[0]) && IsSeparator(p[1])) {
        size_t i = 2;
        for (int component = 0; component < 2 && i < p.size(); ++component) {
            while (i < p.size() && !IsSeparator(p[i])) ++i;
            if (i < p.size())
                ++i;
        }
        return i;
    }
    if (p.size() >= 2 && p[1] == ':')
        return p.size() >= 3 && IsSeparator(p[2]) ? 3 : 2;
    if (!p.empty() && IsSeparator(p[0]))
        return 1;
    return 0;
}

}  // namespace

std::string AppendFileName(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '\\' || (!name.empty() && name.front() == '\\'))
        return folder + name;
    return folder + "\\" + name;
}

std::string FolderPart(const std::string& path) {
    size_t cut = path.find_last_of("\\/:");
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::vector<std::string> FolderLevels(const std::string& folder) {
    std::vector<std::string> levels;
    size_t i = RootLength(folder);
    while (i < folder.size()) {
        size_t end = i;
        while (end < folder.size() && !IsSeparator(folder[end])) ++end;
        if (end > i)
            levels.push_back(folder.substr(0, end));
        i = end + 1;
    }
    return levels;
}

std::string CollapseSeparators(const std::string& path) {
    const size_t keep = path.compare(0, 2, "\\\\") == 0 ? 2 : 0;
    std::string out = path.substr(0, keep);
    for (size_t i = keep; i < path.size(); ++i)
        if (!(path[i] == '\\' && !out.empty() && out.back() == '\\' && out.size() > keep))
            out += path[i];
    return out;
}
