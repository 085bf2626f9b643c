// Dialog layouts as data: the controls of a window in order (which is also the
// tab order), each with its member name, kind, label and anchored position in
// layout units. The arithmetic here is portable; the windows that apply a
// layout live in TopWindow.h.
#pragma once

#include <string>
#include <string_view>
#include <vector>

enum class CtrlKind { EditString, Button, Label, Option, ArrayCtrl, RichTextView };

// Properties a layout gives a control besides its place and label.
enum LayoutProps : unsigned {
    kNoProps = 0,
    // Rich-text views: the dialog's face shows through, no frame, 4-pixel
    // margins, scroll bar only while needed.
    kViewProperties = 1u << 0,
    // Lists: no grid lines either way, no header, scroll bar only while needed.
    kPlainList = 1u << 1,
};

// One axis of a control's place: from the near edge at `nearEdge` units, either
// `extent` units long, or stretched to `extent` units before the far edge.
struct AxisPos {
    enum Anchor { Sized, Stretched };
    Anchor anchor;
    int nearEdge;
    int extent;
};

constexpr AxisPos LeftWidth(int left, int width) {
    return {AxisPos::Sized, left, width};
}
constexpr AxisPos LeftRight(int left, int right) {
    return {AxisPos::Stretched, left, right};
}
constexpr AxisPos TopHeight(int top, int height) {
    return {AxisPos::Sized, top, height};
}
constexpr AxisPos TopBottom(int top, int bottom) {
    return {AxisPos::Stretched, top, bottom};
}

struct LayoutItem {
    const char* member;
    CtrlKind kind;
    const char* label;  // translation key; empty for none
    AxisPos horizontal;
    AxisPos vertical;
    unsigned props;
};

struct Layout {
    const char* name;
    int width;  // client area, layout units
    int height;
    std::vector<LayoutItem> items;
};

struct PixelRect {
    int left, top, right, bottom;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const PixelRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

struct PixelSize {
    int width, height;
};

// The client area the layout asks for on a screen of `dpi` dots per inch.
PixelSize LayoutClientSize(const Layout& layout, int dpi);

// Where an item goes in a client area of the given pixel size. Near edges and
// sizes scale from layout units; a stretched far edge keeps its scaled distance
// from the client area's far edge.
PixelRect PlaceItem(const LayoutItem& item, PixelSize client, int dpi);

// The item of that member name, or null.
const LayoutItem* FindItem(const Layout& layout, std::string_view member);

// A member of a layout class as the layout table names it.
struct MemberKind {
    const char* name;
    CtrlKind kind;
};

// What keeps the members from matching the layout's items one to one, by name
// and kind; empty when they match.
std::string LayoutMismatch(const Layout& layout, const std::vector<MemberKind>& members);
