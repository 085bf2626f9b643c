// Reads a version resource (VS_VERSIONINFO): a tree of blocks, each with a
// key, a value and child blocks, the root's value being the fixed numbers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct VersionNode {
    std::string key;    // ASCII keys only, as version blocks use
    uint16_t type = 0;  // 1 text, 0 binary
    std::string value;  // raw bytes; text without its terminating NUL, as UTF-16LE
    std::vector<VersionNode> children;

    const VersionNode* Child(const std::string& k) const;
    std::string Text() const;  // value as ASCII text
};

bool ReadVersionBlock(const std::string& data, VersionNode& root, std::string& error);
