// A shortcut writer that remembers what it was asked to write.
#pragma once

#include <cstdint>
#include <vector>

#include "base/ShortcutWriter.h"

class RecordingShortcutWriter : public ShortcutWriter {
public:
    std::vector<ShortcutRequest> written;
    bool succeeds = true;
    std::uint32_t failureCode = OsResult::kNoCode;  // what a write answers when it fails

    OsResult Write(const ShortcutRequest& request) override {
        written.push_back(request);
        return succeeds ? OsResult::Done() : OsResult::Failed(failureCode);
    }
};
