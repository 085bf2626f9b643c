// A registry in memory for native tests. Like the real one, key and value names
// are case-insensitive and creating a key creates every missing parent, so a
// test can check exactly which keys and values a routine left behind.
#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <utility>

#include "base/Registry.h"

class MemoryRegistry : public Registry {
public:
    struct NoCaseLess {
        static std::string Lower(std::string s) {
            std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) {
                return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
            });
            return s;
        }
        bool operator()(const std::pair<RegRoot, std::string>& a,
                        const std::pair<RegRoot, std::string>& b) const {
            return std::make_tuple(a.first, Lower(a.second)) <
                   std::make_tuple(b.first, Lower(b.second));
        }
        bool operator()(const std::tuple<RegRoot, std::string, std::string>& a,
                        const std::tuple<RegRoot, std::string, std::string>& b) const {
            return std::make_tuple(std::get<0>(a), Lower(std::get<1>(a)), Lower(std::get<2>(a))) <
                   std::make_tuple(std::get<0>(b), Lower(std::get<1>(b)), Lower(std::get<2>(b)));
        }
    };
    using Key = std::pair<RegRoot, std::string>;
    using Location = std::tuple<RegRoot, std::string, std::string>;  // root, key, value name

    std::set<Key, NoCaseLess> keys;
    std::map<Location, std::string, NoCaseLess> values;
    // Keys that cannot be created (no rights): a write to them or below them
    // fails, answering failureCode.
    std::set<Key, NoCaseLess> denied;
    std::uint32_t failureCode = OsResult::kNoCode;
    // What reads answer in place of the stored text, as when a per-user value
    // takes precedence over the machine-wide one in a merged view.
    std::map<Location, std::string, NoCaseLess> shadowed;

    OsResult SetString(RegRoot root, const std::string& keyPath, const std::string& valueName,
                       const std::string& text) override {
        for (const std::string& level : Levels(keyPath))
            if (denied.count({root, level}))
                return OsResult::Failed(failureCode);
        for (const std::string& level : Levels(keyPath)) keys.insert({root, level});
        values[{root, keyPath, valueName}] = text;
        return OsResult::Done();
    }

    std::string GetString(RegRoot root, const std::string& keyPath,
                          const std::string& valueName) override {
        const Location at{root, keyPath, valueName};
        if (auto it = shadowed.find(at); it != shadowed.end())
            return it->second;
        auto it = values.find(at);
        return it == values.end() ? std::string() : it->second;
    }

    // The keys under one root, as written, for comparing with an expected list.
    std::set<std::string> KeysUnder(RegRoot root) const {
        std::set<std::string> out;
        for (const Key& k : keys)
            if (k.first == root)
                out.insert(k.second);
        return out;
    }

    // Every value under one key: name -> text.
    std::map<std::string, std::string> ValuesOf(RegRoot root, const std::string& keyPath) const {
        std::map<std::string, std::string> out;
        const std::string wanted = NoCaseLess::Lower(keyPath);
        for (const auto& [at, text] : values)
            if (std::get<0>(at) == root && NoCaseLess::Lower(std::get<1>(at)) == wanted)
                out[std::get<2>(at)] = text;
        return out;
    }

private:
    // "A\B\C" gives "A", "A\B", "A\B\C".
    static std::set<std::string> Levels(const std::string& keyPath) {
        std::set<std::string> out;
        for (size_t i = keyPath.find('\\'); i != std::string::npos; i = keyPath.find('\\', i + 1))
            out.insert(keyPath.substr(0, i));
        out.insert(keyPath);
        return out;
    }
};
