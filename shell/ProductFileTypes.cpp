#include "shell/ProductFileTypes.h"

#include "shell/FileType.h"
#include "base/Path.h"
#include "base/ProductNames.h"

namespace {

struct ProductFileType {
    const char* extension;
    const char* description;
    ProductIcon icon;  // in the product's icon library
    bool opens;        // whether the product program opens it
    const char* arguments;
};

// Interface files are shown with their icon but not opened by the product.
const ProductFileType kProductFileTypes[] = {
    {".qkmem", "Quillmark data", kDataFileIcon, true, " \"/F:%1\""},
    {".qkprj", "Quillmark project", kProjectFileIcon, true, " \"/P:%1\""},
    {".qkint", "Quillmark interface", kInterfaceFileIcon, false, ""},
};

}  // namespace

void RegisterProductFileTypes(Registry& registry, const std::string& productExe) {
    // Ends with a backslash already, so the icon paths add none.
    const std::string productFolder = FolderPart(productExe);
    for (const ProductFileType& type : kProductFileTypes)
        RegisterFileType(registry, type.extension, type.description, kProductName,
                         productFolder + kIconLibrary + "," + std::to_string(type.icon),
                         type.opens ? productExe : std::string(), type.arguments);
}
