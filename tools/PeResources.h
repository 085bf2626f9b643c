// Reads the resources of a Windows executable (PE32 or PE32+) from its bytes,
// as Windows would find them: by type, number and language. Portable, so
// that the resources of the cross-built setup can be checked on the build host.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct PeResource {
    uint32_t type = 0;
    uint32_t id = 0;  // kNamed when the resource has a name instead
    std::u16string name;
    uint32_t language = 0;
    std::string data;
};

constexpr uint32_t kNamed = 0xffffffff;

struct PeImage {
    uint16_t machine = 0;  // 0x14c i386, 0x8664 x86-64
    // The optional header's DllCharacteristics: ASLR, DEP, Terminal-Server awareness...
    uint16_t dllCharacteristics = 0;
    std::vector<PeResource> resources;
    // The DLLs the loader resolves before the program's first line, as named
    // by the import directory (delay-loaded ones are not among them).
    std::vector<std::string> importedDlls;

    // The resources of one type in the order the directory lists them.
    std::vector<const PeResource*> OfType(uint32_t type) const;
    const PeResource* Find(uint32_t type, uint32_t id) const;
};

// False, with a reason, for anything that is not a whole PE file with a
// well-formed resource directory and import directory; a file without
// resources or imports is well formed.
bool ReadPeImage(const std::string& bytes, PeImage& out, std::string& error);
