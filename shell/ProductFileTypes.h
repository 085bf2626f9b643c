// The product's three document types.
#pragma once

#include <string>

class Registry;

// Associates ".qkmem", ".qkprj" and ".qkint" with the product program at
// productExe, icons from the icon library beside it. Results are not reported:
// one failed association does not stop the others.
void RegisterProductFileTypes(Registry& registry, const std::string& productExe);
