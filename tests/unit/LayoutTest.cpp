#include "app/SetupLayouts.h"
#include "ui/DpiScale.h"
#include "ui/Layout.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <string>

namespace {

PixelRect At(const Layout& layout, const char* member, int dpi) {
    const LayoutItem* item = FindItem(layout, member);
    EXPECT_NE(item, nullptr) << member;
    if (!item)
        return {};
    return PlaceItem(*item, LayoutClientSize(layout, dpi), dpi);
}

struct Place {
    const char* member;
    PixelRect rect;
};

void ExpectPlaces(const Layout& layout, int dpi, std::initializer_list<Place> places) {
    for (const Place& place : places)
        EXPECT_EQ(At(layout, place.member, dpi), place.rect) << place.member << " at " << dpi;
}

std::string Order(const Layout& layout) {
    std::string names;
    for (const LayoutItem& item : layout.items)
        names += std::string(names.empty() ? "" : " ") + item.member;
    return names;
}

TEST(ScaleForDpi, RoundsLikeMulDiv) {
    EXPECT_EQ(ScaleForDpi(400, 96), 400);
    EXPECT_EQ(ScaleForDpi(400, 144), 600);
    EXPECT_EQ(ScaleForDpi(19, 120), 24);  // 23.75
    EXPECT_EQ(ScaleForDpi(2, 72), 2);     // 1.5 rounds away from zero
    EXPECT_EQ(ScaleForDpi(-2, 72), -2);
    EXPECT_EQ(ScaleForDpi(0, 192), 0);
    // No overflow on the way through the product.
    EXPECT_EQ(ScaleForDpi(30000000, 192), 60000000);
}

TEST(SelectFolderLayout, ControlsInTabOrderWithTheirKindsAndLabels) {
    EXPECT_STREQ(MySelectFolderLay.name, "MySelectFolderLay");
    EXPECT_EQ(Order(MySelectFolderLay), "path browse dv___2 cancel ok info");
    const LayoutItem* ok = FindItem(MySelectFolderLay, "ok");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->kind, CtrlKind::Button);
    EXPECT_STREQ(ok->label, "O&k");
    EXPECT_STREQ(FindItem(MySelectFolderLay, "browse")->label, "&Browse");
    EXPECT_STREQ(FindItem(MySelectFolderLay, "cancel")->label, "&Cancel");
    EXPECT_STREQ(FindItem(MySelectFolderLay, "dv___2")->label, "Folder:");
    EXPECT_EQ(FindItem(MySelectFolderLay, "dv___2")->kind, CtrlKind::Label);
    EXPECT_EQ(FindItem(MySelectFolderLay, "path")->kind, CtrlKind::EditString);
    EXPECT_STREQ(FindItem(MySelectFolderLay, "path")->label, "");
    EXPECT_EQ(FindItem(MySelectFolderLay, "info")->kind, CtrlKind::RichTextView);
    EXPECT_EQ(FindItem(MySelectFolderLay, "info")->props, kViewProperties);
    EXPECT_EQ(FindItem(MySelectFolderLay, "nothing"), nullptr);
}

TEST(SelectFolderLayout, PlacesAt96DpiOneToOne) {
    const PixelSize client = LayoutClientSize(MySelectFolderLay, 96);
    EXPECT_EQ(client.width, 400);
    EXPECT_EQ(client.height, 216);
    // The field stretches to 76 units before the right edge.
    ExpectPlaces(MySelectFolderLay, 96,
                 {{"path", {4, 156, 324, 175}},
                  {"browse", {332, 152, 396, 176}},
                  {"dv___2", {4, 136, 66, 155}},
                  {"cancel", {332, 188, 396, 212}},
                  {"ok", {260, 188, 324, 212}},
                  {"info", {4, 4, 396, 132}}});
    // Windows order: OK to the left of Cancel.
    EXPECT_LT(At(MySelectFolderLay, "ok", 96).right, At(MySelectFolderLay, "cancel", 96).left);
}

TEST(SelectFolderLayout, ScalesWithTheScreenAndKeepsTheStretchedEdge) {
    const PixelSize client = LayoutClientSize(MySelectFolderLay, 144);
    EXPECT_EQ(client.width, 600);
    EXPECT_EQ(client.height, 324);
    ExpectPlaces(
        MySelectFolderLay, 144,
        {{"path", {6, 234, 486, 263}}, {"ok", {390, 282, 486, 318}}, {"info", {6, 6, 594, 198}}});

    // 120 DPI: 1.25, where rounding shows; the stretched edge follows the client width.
    const PixelRect path = At(MySelectFolderLay, "path", 120);
    EXPECT_EQ(path.left, 5);
    EXPECT_EQ(path.right, 500 - 95);
    EXPECT_EQ(path.top, 195);
    EXPECT_EQ(path.Height(), 24);
}

TEST(InfoOptionLayout, ControlsInTabOrderAndPlaces) {
    EXPECT_STREQ(MyInfoOptionLay.name, "MyInfoOptionLay");
    EXPECT_EQ(Order(MyInfoOptionLay),
              "prgfolderinfo prgfolder prgfolderlist desktopiconinfo option ok");
    const PixelSize client = LayoutClientSize(MyInfoOptionLay, 96);
    EXPECT_EQ(client.width, 356);
    EXPECT_EQ(client.height, 324);
    ExpectPlaces(MyInfoOptionLay, 96,
                 {{"prgfolderinfo", {4, 4, 352, 40}},
                  {"prgfolder", {4, 48, 352, 67}},
                  {"prgfolderlist", {4, 76, 352, 204}},
                  {"desktopiconinfo", {4, 248, 352, 272}},
                  {"option", {4, 276, 352, 291}},
                  {"ok", {288, 296, 352, 320}}});
    ExpectPlaces(MyInfoOptionLay, 192, {{"ok", {576, 592, 704, 640}}});

    EXPECT_STREQ(FindItem(MyInfoOptionLay, "ok")->label, "&Next >");
    EXPECT_STREQ(FindItem(MyInfoOptionLay, "option")->label, "");
    EXPECT_EQ(FindItem(MyInfoOptionLay, "prgfolderlist")->kind, CtrlKind::ArrayCtrl);
    EXPECT_EQ(FindItem(MyInfoOptionLay, "prgfolderlist")->props, kPlainList);
    EXPECT_EQ(FindItem(MyInfoOptionLay, "option")->kind, CtrlKind::Option);
    EXPECT_EQ(FindItem(MyInfoOptionLay, "cancel"), nullptr);  // no way to cancel
}

TEST(Layouts, EveryControlLiesInsideItsWindowAndNamesAreUnique) {
    for (const Layout* layout : {&MySelectFolderLay, &MyInfoOptionLay}) {
        for (int dpi : {96, 120, 144, 192}) {
            const PixelSize client = LayoutClientSize(*layout, dpi);
            std::set<std::string> names;
            for (const LayoutItem& item : layout->items) {
                EXPECT_TRUE(names.insert(item.member).second) << item.member;
                const PixelRect r = PlaceItem(item, client, dpi);
                EXPECT_GE(r.left, 0) << item.member;
                EXPECT_GE(r.top, 0) << item.member;
                EXPECT_LE(r.right, client.width) << item.member << " at " << dpi;
                EXPECT_LE(r.bottom, client.height) << item.member << " at " << dpi;
                EXPECT_GT(r.Width(), 0) << item.member;
                EXPECT_GT(r.Height(), 0) << item.member;
            }
        }
    }
}

TEST(PlaceItem, StretchedControlNeverTurnsInsideOut) {
    const LayoutItem item{"x",     CtrlKind::EditString, "", LeftRight(50, 60), TopBottom(10, 20),
                          kNoProps};
    EXPECT_EQ(PlaceItem(item, {200, 100}, 96), (PixelRect{50, 10, 140, 80}));
    EXPECT_EQ(PlaceItem(item, {100, 25}, 96), (PixelRect{50, 10, 50, 10}));
}

}  // namespace

namespace {

std::vector<MemberKind> InfoOptionMembers() {
    return {{"prgfolderinfo", CtrlKind::RichTextView},
            {"prgfolder", CtrlKind::EditString},
            {"prgfolderlist", CtrlKind::ArrayCtrl},
            {"desktopiconinfo", CtrlKind::RichTextView},
            {"option", CtrlKind::Option},
            {"ok", CtrlKind::Button}};
}

TEST(LayoutMismatch, NamesWhatKeepsTheMembersFromTheirItems) {
    std::vector<MemberKind> members = InfoOptionMembers();
    EXPECT_EQ(LayoutMismatch(MyInfoOptionLay, members), "");

    members[4].name = "options";  // misspelt
    EXPECT_EQ(LayoutMismatch(MyInfoOptionLay, members),
              "MyInfoOptionLay: no member for item option");
    members = InfoOptionMembers();
    members[5].kind = CtrlKind::Label;
    EXPECT_EQ(LayoutMismatch(MyInfoOptionLay, members),
              "MyInfoOptionLay: member ok is of another kind than its item");
    members = InfoOptionMembers();
    members.push_back({"cancel", CtrlKind::Button});
    EXPECT_EQ(LayoutMismatch(MyInfoOptionLay, members),
              "MyInfoOptionLay: no item for member cancel");
    members = InfoOptionMembers();
    members.push_back({"ok", CtrlKind::Button});
    EXPECT_EQ(LayoutMismatch(MyInfoOptionLay, members), "MyInfoOptionLay: a member is given twice");
    // Another layout's members.
    EXPECT_NE(LayoutMismatch(MySelectFolderLay, InfoOptionMembers()), "");
}

}  // namespace
