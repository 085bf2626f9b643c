#include "support/VersionBlock.h"

namespace {

uint16_t U16(const std::string& d, size_t at) {
    return uint16_t(uint8_t(d[at]) | uint8_t(d[at + 1]) << 8);
}

size_t Align4(size_t v) {
    return (v + 3) & ~size_t(3);
}

// Reads the block at [at, at + its length), within limit.
bool ReadNode(const std::string& d, size_t at, size_t limit, VersionNode& node, std::string& error,
              int depth) {
    if (depth > 8 || at + 6 > limit) {
        error = "version block cut short";
        return false;
    }
    const size_t length = U16(d, at), valueLength = U16(d, at + 2);
    node.type = U16(d, at + 4);
    const size_t end = at + length;
    if (length < 6 || end > limit) {
        error = "version block longer than its parent";
        return false;
    }
    size_t p = at + 6;
    for (;; p += 2) {
        if (p + 2 > end) {
            error = "version key without end";
            return false;
        }
        const uint16_t c = U16(d, p);
        if (c == 0)
            break;
        node.key += char(c);
    }
    p = Align4(p + 2);
    // Text values count characters, NUL included; binary ones count bytes.
    size_t valueBytes = node.type == 1 ? valueLength * 2 : valueLength;
    if (p + valueBytes > end) {
        error = "version value longer than its block";
        return false;
    }
    node.value = d.substr(p, valueBytes);
    if (node.type == 1)
        while (node.value.size() >= 2 &&
               node.value.compare(node.value.size() - 2, 2, "\0\0", 2) == 0)
            node.value.resize(node.value.size() - 2);
    p = Align4(p + valueBytes);
    while (p < end) {
        VersionNode child;
        if (!ReadNode(d, p, end, child, error, depth + 1))
            return false;
        p = Align4(p + U16(d, p));
        node.children.push_back(std::move(child));
    }
    return true;
}

}  // namespace

const VersionNode* VersionNode::Child(const std::string& k) const {
    for (const VersionNode& c : children)
        if (c.key == k)
            return &c;
    return nullptr;
}

std::string VersionNode::Text() const {
    std::string text;
    for (size_t i = 0; i + 1 < value.size(); i += 2) text += char(U16(value, i));
    return text;
}

bool ReadVersionBlock(const std::string& data, VersionNode& root, std::string& error) {
    return ReadNode(data, 0, data.size(), root, error, 0);
}
