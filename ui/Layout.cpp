#include "ui/Layout.h"

#include "ui/DpiScale.h"

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

std::string LayoutMismatch(const Layout& layout, const std::vector<MemberKind>& members) {
    const std::string where = std::string(layout.name) + ": ";
    for (const LayoutItem& item : layout.items) {
        const MemberKind* found = nullptr;
        for (const MemberKind& m : members)
            if (item.member == std::string_view(m.name))
                found = &m;
        if (!found)
            return where + "no member for item " + item.member;
        if (found->kind != item.kind)
            return where + "member " + item.member + " is of another kind than its item";
    }
    for (const MemberKind& m : members)
        if (!FindItem(layout, m.name))
            return where + "no item for member " + m.name;
    if (members.size() != layout.items.size())
        return where + "a member is given twice";
    return {};
}
