#include "app/Topics.h"

#include "base/ProductNames.h"

namespace {

struct TopicEntry {
    const char* package;
    const char* group;
    const char* name;
    const char* title;
    const char* text;
};

// The texts are exact QTF: backquote escapes the character after it.
const TopicEntry kTopics[] = {
    {"Zelk-Setup", "App", "firstLay$en-us", "Program setup",
     "[ $$0,0#00000000000000000000000000000000:Default][{_}%EN-US [s0; [*+184 Quillmark][R+184  "
     "][2 V " QUILLMARK_VERSION
     ", build 21]&][s0; [2 Utility for archive Siemens S7 PLC`'s data in a local file, "
     "or write them from local file.]&][s0;2 &][s0; [2 Program setup.]&][s0; [2 Select the "
     "installation program path and Click Ok.]]"},
    {"Zelk-Setup", "App", "firstLay$it-it", "Program setup",
     "[ $$0,0#00000000000000000000000000000000:Default][{_}%EN-US [s0; [R+184 Quillmark]&][s0; "
     "[2 Utility for archive Siemens S7 PLC`'s data.]&][s0;2 &][s0; [2 Program setup.]&][s0; [2 "
     "Select the installation program path and Click Ok.]]"},
};

}  // namespace

Topic FindTopic(const std::string& package, const std::string& group, const std::string& name) {
    for (const TopicEntry& t : kTopics)
        if (package == t.package && group == t.group && name == t.name)
            return {t.title, t.text};
    return {};
}
