#include "win/Layout.h"

#include "win/DpiScale.h"

namespace {

// Near and far pixel edges of one axis.
void PlaceAxis(const AxisPos& pos, int clientExtent, int dpi, int& nearEdge, int& farEdge) {
    nearEdge = ScaleForDpi(pos.nearEdge, dpi);
    if (pos.anchor == AxisPos::Sized)
        farEdge = nearEdge + ScaleForDpi(pos.extent, dpi);
    else
        farEdge = clientExtent - ScaleForDpi(pos.extent, dpi);
    // A client area smaller than the margins must not turn the control inside out.
    if (farEdge < nearEdge)
        farEdge = nearEdge;
}

}  // namespace

PixelSize LayoutClientSize(const Layout& layout, int dpi) {
    return {ScaleForDpi(layout.width, dpi), ScaleForDpi(layout.height, dpi)};
}

PixelRect PlaceItem(const LayoutItem& item, PixelSize client, int dpi) {
    PixelRect r{};
    PlaceAxis(item.horizontal, client.width, dpi, r.left, r.right);
    PlaceAxis(item.vertical, client.height, dpi, r.top, r.bottom);
    return r;
}

const LayoutItem* FindItem(const Layout& layout, std::string_view member) {
    for (const LayoutItem& item : layout.items)
        if (member == item.member)
            return &item;
    return nullptr;
}
