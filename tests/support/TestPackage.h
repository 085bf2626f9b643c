// A product package made on the spot for native tests: groups of named files,
// each compressed on its own as the build does.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "package/FileGroup.h"
#include "support/EarlierInstallation.h"
#include "tools/Bzip2Level9.h"

class TestPackage {
public:
    struct File {
        std::string name;
        std::string content;
    };
    struct Group {
        std::string tail;
        std::vector<File> files;
    };

    explicit TestPackage(const std::vector<Group>& groups) {
        for (const Group& group : groups) {
            auto tables = std::make_unique<Tables>();
            tables->tail = group.tail;
            for (const File& file : group.files) {
                tables->names.push_back(file.name);
                tables->streams.push_back(Bzip2Level9(file.content));
            }
            tables->Point();
            groups_.push_back({&tables->group, tables->tail.c_str()});
            tables_.push_back(std::move(tables));
        }
    }
    TestPackage(const TestPackage&) = delete;
    TestPackage& operator=(const TestPackage&) = delete;

    const std::vector<PackageGroup>& Groups() const { return groups_; }
    // Flips a bit in the middle of one file's stream.
    void Damage(size_t group, size_t file) {
        std::string& stream = tables_[group]->streams[file];
        stream[stream.size() / 2] = static_cast<char>(stream[stream.size() / 2] ^ 0x10);
    }

private:
    struct Tables {
        std::string tail;
        std::vector<std::string> names, streams;
        std::vector<int32_t> lengths;
        std::vector<const unsigned char*> pointers;
        std::vector<const char*> namePointers;
        FileGroup group{};

        void Point() {
            for (size_t i = 0; i < names.size(); ++i) {
                lengths.push_back(static_cast<int32_t>(streams[i].size()));
                pointers.push_back(reinterpret_cast<const unsigned char*>(streams[i].data()));
                namePointers.push_back(names[i].c_str());
            }
            group = {static_cast<int32_t>(names.size()), lengths.data(), pointers.data(),
                     namePointers.data()};
        }
    };

    std::vector<std::unique_ptr<Tables>> tables_;
    std::vector<PackageGroup> groups_;
};

// The groups' files as an installation holds them, by their paths below the
// install folder.
inline std::vector<ProductFile> FilesOf(const std::vector<TestPackage::Group>& groups) {
    std::vector<ProductFile> files;
    for (const TestPackage::Group& group : groups)
        for (const TestPackage::File& file : group.files)
            files.push_back({group.tail.substr(1) + file.name, file.content});
    return files;
}
