#include "tools/ReadWhole.h"

#include <fstream>
#include <sstream>

bool ReadWhole(const std::string& path, std::string& data) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream s;
    s << in.rdbuf();
    data = s.str();
    return !in.bad();
}
