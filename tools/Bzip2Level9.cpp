#include "tools/Bzip2Level9.h"

#include <bzlib.h>

std::string Bzip2Level9(const std::string& data) {
    // libbz2's bound for the worst case: 1% more than the input, plus 600 bytes.
    unsigned int size = static_cast<unsigned int>(data.size() + data.size() / 100 + 600);
    std::string out(size, '\0');
    if (BZ2_bzBuffToBuffCompress(&out[0], &size, const_cast<char*>(data.data()),
                                 static_cast<unsigned int>(data.size()), 9, 0, 0) != BZ_OK)
        return {};
    out.resize(size);
    return out;
}
