#include "app/AppImg.h"

#include "app/AppImgResources.h"
#include "package/Decompress.h"

const AppImgEntry kAppImgEntries[6] = {
    {AppImgId::setup48, "setup48", 48, APPIMG_SETUP48},
    {AppImgId::setup32, "setup32", 32, APPIMG_SETUP32},
    {AppImgId::setup16, "setup16", 16, APPIMG_SETUP16},
    {AppImgId::PrgFolder_1_48, "PrgFolder_1_48", 48, APPIMG_PRGFOLDER_1_48},
    {AppImgId::PrgFolder_1_32, "PrgFolder_1_32", 32, APPIMG_PRGFOLDER_1_32},
    {AppImgId::PrgFolder_1_16, "PrgFolder_1_16", 16, APPIMG_PRGFOLDER_1_16},
};

const AppImgEntry& AppImgInfo(AppImgId id) {
    return kAppImgEntries[static_cast<int>(id)];
}

AppImgId AppImgSource(AppImgSubject subject, int pixels) {
    const bool setup = subject == AppImgSubject::setup;
    const AppImgId sizes[] = {setup ? AppImgId::setup16 : AppImgId::PrgFolder_1_16,
                              setup ? AppImgId::setup32 : AppImgId::PrgFolder_1_32,
                              setup ? AppImgId::setup48 : AppImgId::PrgFolder_1_48};
    for (AppImgId id : sizes)
        if (AppImgInfo(id).size >= pixels)
            return id;
    return sizes[2];
}

bool DecodeAppImgPicture(std::string_view resource, const AppImgEntry& entry, PixelImage& out) {
    const DecompressResult bytes =
        DecompressBz2(reinterpret_cast<const unsigned char*>(resource.data()), resource.size(),
                      [](int32_t, int32_t) { return false; });
    if (!bytes.ok)
        return false;
    PixelImage image;
    if (!DecodePixelImage(bytes.data.View(), image) || image.width != entry.size ||
        image.height != entry.size)
        return false;
    out = std::move(image);
    return true;
}
