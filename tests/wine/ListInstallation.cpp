// Lists what an installation left; the run command prints it after the setup.
//   list_installation.exe [INSTALL_FOLDER]
// Without a folder it finds the installation as Windows would: through the
// uninstall entry, in either registry view; else in the folder the setup proposes.
#include <cstdio>

#include "InstallationListing.h"

int wmain(int argc, wchar_t** argv) {
    std::string listing;
    const bool found =
        ListInstallation(argc > 1 ? InstallationIn(argv[1]) : FindInstallation(), listing);
    std::fwrite(listing.data(), 1, listing.size(), stdout);
    return found ? 0 : 1;
}
