#include "shell/FileType.h"

#include <algorithm>

#include "base/Registry.h"

namespace {

// Shorter than "C:\x.e": too short to name a program.
constexpr size_t kMinProgramLength = 6;

const char kOpenCommand[] = "\\Shell\\Open\\Command";

OsResult SetDefault(Registry& registry, const std::string& keyPath, const std::string& text) {
    return registry.SetString(RegRoot::ClassesRoot, keyPath, "", text);
}

std::string GetDefault(Registry& registry, const std::string& keyPath) {
    return registry.GetString(RegRoot::ClassesRoot, keyPath, "");
}

}  // namespace

bool RegisterFileType(Registry& registry, const std::string& extension,
                      const std::string& description, const std::string& identifierBase,
                      const std::string& icon, const std::string& program,
                      const std::string& arguments) {
    const std::string identifier = identifierBase + extension + ".File";
    if (!SetDefault(registry, extension, identifier))
        return false;
    if (!SetDefault(registry, identifier, description))
        return false;
    const bool hasProgram = program.size() >= kMinProgramLength;
    // A missing icon is not worth failing the association for.
    if (!icon.empty())
        SetDefault(registry, identifier + "\\DefaultIcon", icon);
    else if (!hasProgram)
        return false;
    else
        SetDefault(registry, identifier + "\\DefaultIcon", program + ", 0");
    if (!hasProgram)
        return true;
    if (!SetDefault(registry, identifier + kOpenCommand, "\"" + program + "\"" + arguments))
        return false;
    // The merged view may still answer with another program, e.g. a per-user
    // association that takes precedence over ours.
    return GetRegisteredOpenProgram(registry, extension) == program;
}

std::string GetRegisteredOpenProgram(Registry& registry, const std::string& extension) {
    const std::string identifier = GetDefault(registry, extension);
    std::string command = GetDefault(registry, identifier + kOpenCommand);
    const size_t exe = command.find(".exe");
    command.resize(exe == std::string::npos ? std::min<size_t>(3, command.size()) : exe + 4);
    if (!command.empty() && command.front() == '"')
        command.erase(0, 1);
    return command;
}
