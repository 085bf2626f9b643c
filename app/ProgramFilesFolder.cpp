#include "app/ProgramFilesFolder.h"

#include "base/Registry.h"

std::string ProgramFilesFolder(Registry& registry) {
    return registry.GetString(RegRoot::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion",
                              "ProgramFilesDir");
}
