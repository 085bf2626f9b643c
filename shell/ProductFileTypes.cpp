#include "shell/ProductFileTypes.h"

#include "shell/FileType.h"
#include "base/Path.h"

namespace {

struct ProductFileType {
    const char* extension;
    const char* description;
    const char* icon;  // in the product folder, with the library's icon index
    bool opens;        // whether the product program opens it
    const char* arguments;
};

const char kIdentifierBase[] = "Quillmark";

// Interface files are shown with their icon but not opened by the product.
const ProductFileType kProductFileTypes[] = {
    {".qkmem", "Quillmark data", "Support\\AppIcons.icl,1", true, " \"/F:%1\""},
    {".qkprj", "Quillmark project", "Support\\AppIcons.icl,4", true, " \"/P:%1\""},
    {".qkint", "Quillmark interface", "Support\\AppIcons.icl,5", false, ""},
};

}  // namespace

void RegisterProductFileTypes(Registry& registry, const std::string& productExe) {
    // Ends with a backslash already, so the icon paths add none.
    const std::string productFolder = FolderPart(productExe);
    for (const ProductFileType& type : kProductFileTypes)
        RegisterFileType(registry, type.extension, type.description, kIdentifierBase,
                         productFolder + type.icon, type.opens ? productExe : std::string(),
                         type.arguments);
}
