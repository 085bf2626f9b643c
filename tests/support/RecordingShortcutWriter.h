// A shortcut writer that remembers what it was asked to write.
#pragma once

#include <vector>

#include "base/ShortcutWriter.h"

class RecordingShortcutWriter : public ShortcutWriter {
public:
    std::vector<ShortcutRequest> written;
    bool succeeds = true;

    bool Write(const ShortcutRequest& request) override {
        written.push_back(request);
        return succeeds;
    }
};
