#include "app/ProgramFilesFolder.h"

#include "win/Registry.h"

std::string ProgramFilesFolder(Registry& registry) {
    return registry.GetString(RegRoot::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion",
                              "ProgramFilesDir");
}
