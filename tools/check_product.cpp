// Configure and build step: refuses a product folder that the setup cannot be
// packed from, naming every problem.
//
//   check_product FOLDER FILE...      (FILE relative to FOLDER, "/"-separated)
#include <cstdio>
#include <string>
#include <vector>

#include "tools/ProductCheck.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: check_product FOLDER FILE...\n");
        return 2;
    }
    const std::vector<std::string> expected(argv + 2, argv + argc);
    const std::vector<std::string> problems = CheckProductFolder(argv[1], expected);
    for (const std::string& problem : problems) std::fprintf(stderr, "  %s\n", problem.c_str());
    if (problems.empty())
        return 0;
    std::fprintf(stderr, "Expected exactly these files in %s:\n", argv[1]);
    for (const std::string& file : expected) std::fprintf(stderr, "  %s\n", file.c_str());
    return 1;
}
