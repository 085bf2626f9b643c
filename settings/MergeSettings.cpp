#include "settings/MergeSettings.h"

#include "settings/HexEncode.h"
#include "settings/IniDocument.h"

const char kUpdateSiteUrl[] = "http://update.zelk.example/zelk/";

namespace {

// The PLC connection the user set up.
const char* const kCommunicationKeys[] = {
    "Device", "IpString", "SerialCommPort", "SerialCommSpeed", "Address", "Rack", "Slot",
};

// The last transfer: it belongs to the earlier installation's session.
const char* const kGetKeys[] = {"GetFileName", "Area", "Db", "Start", "Length"};

// Shorter than a full language code ("IT-IT") means none was chosen.
constexpr size_t kLanguageCodeLength = 5;

void CopyOld(IniDocument& oldSettings, IniDocument& defaultSettings, const char* section,
             const char* key) {
    defaultSettings.Section(section).Set(key, oldSettings.Section(section).Value(key));
}

}  // namespace

void MergeSettings(IniDocument& oldSettings, IniDocument& defaultSettings,
                   const std::string& installFolder) {
    IniSection& app = defaultSettings.Section("App");
    const std::string_view oldLanguage = oldSettings.Section("App").Value("Language");
    app.Set("Language", oldLanguage.size() >= kLanguageCodeLength ? oldLanguage : "EN-US");
    app.Set("UpdateUrl", HexEncode(kUpdateSiteUrl));
    app.Set("FirstOpen", "true");
    app.Set("LastPath", HexEncode(installFolder));
    CopyOld(oldSettings, defaultSettings, "App", "Recents");

    for (const char* key : kCommunicationKeys)
        CopyOld(oldSettings, defaultSettings, "Communication", key);

    IniSection& get = defaultSettings.Section("Get");
    for (const char* key : kGetKeys) get.Set(key, {});
}
