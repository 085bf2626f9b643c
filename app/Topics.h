// TEMPORARY STAND-IN for the setup's topics. Replaced by the real topic group
// when that lands.
#pragma once

#include <string>

struct Topic {
    std::string title;
    std::string text;  // QTF
};

inline Topic FindTopic(const std::string& package, const std::string& group,
                       const std::string& name) {
    if (package != "Zelk-Setup" || group != "App" || name != "firstLay$en-us")
        return {};
    return {"Program setup",
            "[ $$0,0#00000000000000000000000000000000:Default][{_}%EN-US [s0; [*+184 "
            "Quillmark][R+184  ][2 V 3.90, build 21]&][s0; [2 Utility for archive Siemens S7 "
            "PLC`'s data in a local file, or write them from local file.]&][s0;2 &][s0; [2 "
            "Program setup.]&][s0; [2 Select the installation program path and Click Ok.]]"};
}
