// The product's three document types as an installation must leave them under
// the classes root, written out once for the tests: the unit tests hold the
// registry in memory against it, the Wine tests the real one after a run.
#pragma once

#include <map>
#include <set>
#include <string>

struct ExpectedFileType {
    const char* extension;
    const char* className;
    const char* description;
    int icon;                // its index in Support\AppIcons.icl
    const char* openSwitch;  // the product's switch for opening it; null: the product does not
};

inline const ExpectedFileType kExpectedFileTypes[] = {
    {".qkmem", "Quillmark.qkmem.File", "Quillmark data", 1, "/F"},
    {".qkprj", "Quillmark.qkprj.File", "Quillmark project", 4, "/P"},
    {".qkint", "Quillmark.qkint.File", "Quillmark interface", 5, nullptr},
};

// Every value that an installation in installFolder writes for them, each the
// default value of its key: key -> text. The folder is joined as given, a
// trailing backslash included.
inline std::map<std::string, std::string> ExpectedFileTypeValues(const std::string& installFolder) {
    const std::string exe = installFolder + "\\Quillmark.exe";
    std::map<std::string, std::string> values;
    for (const ExpectedFileType& type : kExpectedFileTypes) {
        const std::string name = type.className;
        values[type.extension] = name;
        values[name] = type.description;
        values[name + "\\DefaultIcon"] =
            installFolder + "\\Support\\AppIcons.icl," + std::to_string(type.icon);
        if (type.openSwitch)
            values[name + "\\Shell\\Open\\Command"] =
                "\"" + exe + "\" \"" + type.openSwitch + ":%1\"";
    }
    return values;
}

// Every key they make, the levels between a class and its open command included.
inline std::set<std::string> ExpectedFileTypeKeys() {
    std::set<std::string> keys;
    for (const ExpectedFileType& type : kExpectedFileTypes) {
        const std::string name = type.className;
        keys.insert({type.extension, name, name + "\\DefaultIcon"});
        if (type.openSwitch)
            keys.insert(
                {name + "\\Shell", name + "\\Shell\\Open", name + "\\Shell\\Open\\Command"});
    }
    return keys;
}
