#include "tools/PeResources.h"

namespace {

struct Section {
    uint32_t rva, size, fileOffset, fileSize;
};

class Reader {
public:
    Reader(const std::string& bytes, std::string& error) : b_(bytes), error_(error) {}

    bool U16(size_t at, uint16_t& v) {
        if (!Has(at, 2))
            return false;
        v = uint16_t(Byte(at) | Byte(at + 1) << 8);
        return true;
    }
    bool U32(size_t at, uint32_t& v) {
        uint16_t lo, hi;
        if (!U16(at, lo) || !U16(at + 2, hi))
            return false;
        v = uint32_t(lo) | uint32_t(hi) << 16;
        return true;
    }
    bool Has(size_t at, size_t n) {
        if (at <= b_.size() && n <= b_.size() - at)
            return true;
        return Fail("data runs past the end of the file");
    }
    bool Fail(const std::string& why) {
        if (error_.empty())
            error_ = why;
        return false;
    }
    const std::string& Bytes() const { return b_; }

private:
    uint32_t Byte(size_t at) const { return static_cast<uint8_t>(b_[at]); }
    const std::string& b_;
    std::string& error_;
};

class ResourceWalker {
public:
    ResourceWalker(Reader& r, const std::vector<Section>& sections, size_t base, uint32_t size)
        : r_(r), sections_(sections), base_(base), size_(size) {}

    bool Walk(PeImage& out) { return Directory(0, 0, PeResource{}, out); }

private:
    // Three levels: type, then number or name, then language.
    bool Directory(uint32_t offset, int level, PeResource entry, PeImage& out) {
        uint16_t named, numbered;
        if (offset > size_ || !r_.U16(base_ + offset + 12, named) ||
            !r_.U16(base_ + offset + 14, numbered))
            return r_.Fail("resource directory outside its section");
        for (uint32_t i = 0; i < uint32_t(named) + numbered; ++i) {
            // Directories that point back at each other would list forever.
            if (++entries_ > kMaxEntries)
                return r_.Fail("too many resource entries");
            const size_t at = base_ + offset + 16 + 8 * size_t(i);
            uint32_t nameField, target;
            if (!r_.U32(at, nameField) || !r_.U32(at + 4, target))
                return false;
            if (!Label(nameField, level, entry))
                return false;
            const bool subdirectory = target & 0x80000000u;
            if (subdirectory != (level < 2))
                return r_.Fail("resource directory deeper or shallower than three levels");
            if (subdirectory ? !Directory(target & 0x7fffffffu, level + 1, entry, out)
                             : !Data(target, entry, out))
                return false;
        }
        return true;
    }

    bool Label(uint32_t field, int level, PeResource& entry) {
        uint32_t id = field;
        if (field & 0x80000000u) {
            id = kNamed;
            const size_t at = base_ + (field & 0x7fffffffu);
            uint16_t length;
            if (!r_.U16(at, length) || !r_.Has(at + 2, size_t(length) * 2))
                return false;
            std::u16string name;
            for (uint16_t k = 0; k < length; ++k) {
                uint16_t c = 0;
                r_.U16(at + 2 + 2 * size_t(k), c);
                name += char16_t(c);
            }
            if (level == 1)
                entry.name = name;
        }
        (level == 0 ? entry.type : level == 1 ? entry.id : entry.language) = id;
        return true;
    }

    bool Data(uint32_t offset, PeResource entry, PeImage& out) {
        uint32_t rva, size;
        if (!r_.U32(base_ + offset, rva) || !r_.U32(base_ + offset + 4, size))
            return false;
        for (const Section& s : sections_)
            if (rva >= s.rva && rva - s.rva < s.fileSize && size <= s.fileSize - (rva - s.rva)) {
                if (!r_.Has(size_t(s.fileOffset) + (rva - s.rva), size))
                    return false;
                entry.data = r_.Bytes().substr(s.fileOffset + (rva - s.rva), size);
                out.resources.push_back(std::move(entry));
                return true;
            }
        return r_.Fail("resource data outside every section");
    }

    static constexpr uint32_t kMaxEntries = 100000;
    Reader& r_;
    const std::vector<Section>& sections_;
    uint32_t entries_ = 0;
    size_t base_;
    uint32_t size_;
};

// The file offset of an RVA, or false when no section's file data holds it.
bool FileOffsetOf(const std::vector<Section>& sections, uint32_t rva, size_t& offset) {
    for (const Section& s : sections)
        if (rva >= s.rva && rva - s.rva < s.fileSize) {
            offset = size_t(s.fileOffset) + (rva - s.rva);
            return true;
        }
    return false;
}

// One descriptor of 20 bytes per DLL, up to one of zeros; the fourth field is
// the RVA of the DLL's name.
bool ReadImports(Reader& r, const std::vector<Section>& sections, uint32_t rva, PeImage& out) {
    size_t at = 0;
    if (!FileOffsetOf(sections, rva, at))
        return r.Fail("import directory outside every section");
    for (;; at += 20) {
        uint32_t lookup, nameRva, addresses;
        if (!r.U32(at, lookup) || !r.U32(at + 12, nameRva) || !r.U32(at + 16, addresses))
            return false;
        if (lookup == 0 && nameRva == 0 && addresses == 0)
            return true;
        size_t name = 0;
        if (!FileOffsetOf(sections, nameRva, name))
            return r.Fail("imported DLL name outside every section");
        const size_t end = r.Bytes().find('\0', name);
        if (end == std::string::npos)
            return r.Fail("imported DLL name without its end");
        out.importedDlls.push_back(r.Bytes().substr(name, end - name));
    }
}

}  // namespace

std::vector<const PeResource*> PeImage::OfType(uint32_t type) const {
    std::vector<const PeResource*> found;
    for (const PeResource& r : resources)
        if (r.type == type)
            found.push_back(&r);
    return found;
}

const PeResource* PeImage::Find(uint32_t type, uint32_t id) const {
    for (const PeResource& r : resources)
        if (r.type == type && r.id == id)
            return &r;
    return nullptr;
}

bool ReadPeImage(const std::string& bytes, PeImage& out, std::string& error) {
    error.clear();
    Reader r(bytes, error);
    uint16_t mz, optionalSize, sectionCount, magic;
    uint32_t peOffset, signature;
    if (!r.U16(0, mz) || mz != 0x5a4d)
        return r.Fail("no MZ header");
    if (!r.U32(0x3c, peOffset) || !r.U32(peOffset, signature) || signature != 0x4550)
        return r.Fail("no PE header");
    const size_t coff = size_t(peOffset) + 4;
    if (!r.U16(coff, out.machine) || !r.U16(coff + 2, sectionCount) ||
        !r.U16(coff + 16, optionalSize))
        return false;
    const size_t optional = coff + 20;
    if (!r.U16(optional, magic) || (magic != 0x10b && magic != 0x20b))
        return r.Fail("unknown optional header");
    // At the same place in PE32 and PE32+.
    if (!r.U16(optional + 70, out.dllCharacteristics))
        return false;
    // The data directories follow the fields that differ between PE32 and PE32+.
    const size_t directories = optional + (magic == 0x20b ? 112 : 96);
    uint32_t directoryCount, importRva, resourceRva, resourceSize;
    if (!r.U32(directories - 4, directoryCount))
        return false;
    if (directoryCount < 3)
        return true;
    if (!r.U32(directories + 8, importRva) || !r.U32(directories + 16, resourceRva) ||
        !r.U32(directories + 20, resourceSize))
        return false;

    std::vector<Section> sections;
    const size_t table = optional + optionalSize;
    for (uint16_t i = 0; i < sectionCount; ++i) {
        Section s{};
        const size_t at = table + 40 * size_t(i);
        if (!r.U32(at + 8, s.size) || !r.U32(at + 12, s.rva) || !r.U32(at + 16, s.fileSize) ||
            !r.U32(at + 20, s.fileOffset))
            return false;
        sections.push_back(s);
    }
    if (importRva != 0 && !ReadImports(r, sections, importRva, out))
        return false;
    if (resourceRva == 0)
        return true;
    for (const Section& s : sections)
        if (resourceRva >= s.rva && resourceRva - s.rva < s.fileSize) {
            const size_t base = s.fileOffset + (resourceRva - s.rva);
            return ResourceWalker(r, sections, base, s.fileSize - (resourceRva - s.rva)).Walk(out);
        }
    return r.Fail("resource directory outside every section");
}
