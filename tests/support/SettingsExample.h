// An update over an earlier installation whose settings file holds the
// user's own values: the file before, and the file the setup writes. Shared
// by the native test of the settings steps and the run under Wine.
#pragma once

#include <string>
#include <vector>

#include "settings/HexEncode.h"
#include "settings/MergeSettings.h"
#include "settings/ParseIniDocument.h"

inline std::string ExampleOldSettingsFile() {
    return "[App]\r\n"
           "Language=IT-IT\r\n"
           "FirstOpen=false\r\n"
           "UpdateUrl=687474703A2F2F6F6C642E6578616D706C652F\r\n"
           "LastPath=433A5C4F6C645C4C6F67676572\r\n"
           "Recents=R any text = here\r\n"
           "; the user's own note\r\n"
           "Theme=dark\r\n"
           "[Communication]\r\n"
           "Device=3\r\n"
           "IpString=10.0.0.7\r\n"
           "SerialCommPort=COM1\r\n"
           "SerialCommSpeed=19200\r\n"
           "Address=2\r\n"
           "Rack=1\r\n"
           "[Get]\r\n"
           "GetFileName=D:\\last.qkmem\r\n"
           "Area=4\r\nDb=4\r\nStart=4\r\nLength=4\r\n"
           "[InstallUninstall]\r\n"
           "StartFolderPath=Old group\r\n";
}

// Whether a settings file holds the user's language and device of the file
// above, whatever else it holds: the user's file or one merged from it.
inline bool HoldsExampleUsersValues(const std::string& file) {
    IniDocument read = ParseIniDocument(file);
    return read.Section("App").Value("Language") == "IT-IT" &&
           read.Section("Communication").Value("Device") == "3";
}

// The lines written over the package's default file: the user's values where
// they are kept (empty, and the default language, on a first installation,
// which has none), the forced ones, the cleared last transfer, and the program
// group that the launch-icons step records.
inline std::vector<std::string> ExampleMergedLines(const std::string& installFolder,
                                                   const std::string& group, bool update = true) {
    const auto kept = [update](const std::string& key, const char* users) {
        return key + "=" + (update ? users : "");
    };
    return {
        "[App]",
        update ? "Language=IT-IT" : "Language=EN-US",
        "FirstOpen=true",
        "UpdateUrl=" + HexEncode(kUpdateSiteUrl),
        "LastPath=" + HexEncode(installFolder),
        kept("Recents", "R any text = here"),
        "[Communication]",
        kept("Device", "3"),
        kept("IpString", "10.0.0.7"),
        kept("SerialCommPort", "COM1"),
        kept("SerialCommSpeed", "19200"),
        kept("Address", "2"),
        kept("Rack", "1"),
        "Slot=",
        "[Get]",
        "GetFileName=",
        "Area=",
        "Db=",
        "Start=",
        "Length=",
        "[InstallUninstall]",
        "StartFolderPath=" + group,
    };
}
