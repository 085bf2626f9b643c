// A dialog told that it moved to a monitor of another density lays itself out
// as a dialog made at that density: the same client area, every control in
// the same place, the list's rows as high; and back at 96 DPI as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "RunLeftovers.h"
#include "driver/Driver.h"

using namespace driver;

namespace {

struct Snapshot {
    std::vector<RECT> places;
    int rowHeight = 0;
};

bool operator==(const Snapshot& a, const Snapshot& b) {
    return a.rowHeight == b.rowHeight &&
           std::equal(a.places.begin(), a.places.end(), b.places.begin(), b.places.end(),
                      [](const RECT& x, const RECT& y) { return EqualRect(&x, &y); });
}

std::ostream& operator<<(std::ostream& out, const Snapshot& s) {
    for (const RECT& r : s.places)
        out << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ") ";
    return out << "rows " << s.rowHeight;
}

Snapshot Take(SetupWindow kind, HWND window) {
    Snapshot s{LayoutOf(window), 0};
    if (kind == SetupWindow::LaunchIcons)
        s.rowHeight = ListRowHeight(LaunchIconsList(window));
    return s;
}

using Key = std::pair<int, SetupWindow>;

class DpiChange : public testing::Test {
protected:
    void SetUp() override { folder_ = TempFolder(L"dpi change"); }
    void TearDown() override {
        RemoveRunLeftovers();
        RemoveTree(folder_);
    }

    // A run at a screen density; each dialog is seen as made, and when
    // changeTo is given, again after it was told of each of those densities.
    void Run(int dpi, std::vector<int> changeTo = {}) {
        const ScreenDensity density(static_cast<DWORD>(dpi));
        SetupAnswers answers;
        answers.seen = [&](SetupWindow kind, HWND window) {
            if (kind != SetupWindow::InstallFolder && kind != SetupWindow::LaunchIcons)
                return;
            made_[{dpi, kind}] = Take(kind, window);
            for (int to : changeTo) {
                SendDpiChange(window, to);
                changed_[{to, kind}] = Take(kind, window);
            }
        };
        EXPECT_EQ(RunSetupInto(folder_ + L"\\Product", answers).LastMessage(), kDone) << dpi;
    }

    std::wstring folder_;
    std::map<Key, Snapshot> made_, changed_;
};

TEST_F(DpiChange, ADialogLaysItselfOutAsOneMadeAtTheNewDensity) {
    Run(96, {144, 192, 96});
    Run(144);
    Run(192);
    for (const int dpi : {96, 144, 192})
        for (const SetupWindow kind : {SetupWindow::InstallFolder, SetupWindow::LaunchIcons}) {
            SCOPED_TRACE(std::to_string(dpi) +
                         (kind == SetupWindow::LaunchIcons ? " launch icons" : " install folder"));
            ASSERT_TRUE(made_.count(Key(dpi, kind)));
            ASSERT_TRUE(changed_.count(Key(dpi, kind)));
            EXPECT_EQ(changed_[Key(dpi, kind)], made_[Key(dpi, kind)]);
        }
    // The densities differ at all.
    EXPECT_FALSE(made_[Key(144, SetupWindow::InstallFolder)] ==
                 made_[Key(96, SetupWindow::InstallFolder)]);
}

}  // namespace
