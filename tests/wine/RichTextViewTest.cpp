// The information view and the setup's pictures on a real Windows GUI: the
// view inside a window whose face it must let show through, and the AppImg
// pictures read from the built setup's resources.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "app/AppImg.h"
#include "app/Topics.h"
#include "driver/Driver.h"
#include "ui/Gui.h"
#include "ui/ProgressWindow.h"
#include "richtext/RichTextView.h"
#include "richtext/ViewZoom.h"
#include "ui/Window.h"
#include "win32/Handles.h"

namespace {

const COLORREF kFace = RGB(250, 236, 190);

// A window with a face of its own colour, the size of the install-folder dialog.
class FaceWindow : public Window {
public:
    explicit FaceWindow(Gui& gui) : Window(gui) {
        CreateTopLevel("View test", WS_POPUP | WS_CAPTION, 400, 216);
    }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_ERASEBKGND) {
            RECT r;
            GetClientRect(Handle(), &r);
            const GdiObject<HBRUSH> brush(CreateSolidBrush(kFace));
            FillRect(reinterpret_cast<HDC>(wParam), &r, brush.Get());
            return 1;
        }
        return Window::OnMessage(message, wParam, lParam);
    }
};

bool HasScrollBar(const RichTextView& view) {
    return (GetWindowLongPtrW(view.Handle(), GWL_STYLE) & WS_VSCROLL) != 0;
}

class RichTextViewTest : public testing::Test {
protected:
    RichTextViewTest() : gui_(GetModuleHandleW(nullptr)) { gui_.SetStandardFont("Tahoma", 11); }
    Gui gui_;
};

TEST_F(RichTextViewTest, ShowsTheTopicAtTheSetupsZoomWithoutAScrollBar) {
    FaceWindow face(gui_);
    RichTextView view(gui_);
    ASSERT_TRUE(view.Create(face.Handle(), RECT{4, 4, 396, 132}, 100));
    EXPECT_EQ(GetDlgCtrlID(view.Handle()), 100);
    view.SetQtf(FindTopic("Zelk-Setup", "App", "firstLay$en-us").text);
    // At 1:1 a 184-dot name is 184 pixels high: far taller than the view.
    EXPECT_TRUE(HasScrollBar(view));
    EXPECT_EQ(view.Width(), 392);  // the laid-out width, bar or not
    view.SetZoom(ViewZoomNumerator(view.Width()), view.Width());
    EXPECT_FALSE(HasScrollBar(view));
    view.SetQtf("");
    EXPECT_FALSE(HasScrollBar(view));
}

TEST_F(RichTextViewTest, TheWindowsFaceShowsThroughAroundTheText) {
    FaceWindow face(gui_);
    RichTextView view(gui_);
    ASSERT_TRUE(view.Create(face.Handle(), RECT{4, 4, 396, 132}, 100));
    view.SetQtf(FindTopic("Zelk-Setup", "App", "firstLay$en-us").text);
    view.SetZoom(ViewZoomNumerator(view.Width()), view.Width());
    face.Show(true);
    SetWindowPos(face.Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    UpdateWindow(face.Handle());
    UpdateWindow(view.Handle());

    int faceCount = 0, ink = 0;
    {
        const WindowDc dc = DcOfWindow(view.Handle());
        for (int y = 0; y < 128; y += 2)
            for (int x = 0; x < 392; x += 2) {
                const COLORREF c = GetPixel(dc.Get(), x, y);
                faceCount += c == kFace;
                ink += GetRValue(c) < 100 && GetGValue(c) < 100 && GetBValue(c) < 100;
            }
    }
    // Mostly face (the bottom rows have no text at all), and some text.
    EXPECT_GT(faceCount, 64 * 196 / 2);
    EXPECT_GT(ink, 100);
}

// The product's name is bold: it puts down clearly more ink than the same
// name in the regular weight, also where the face's own bold draws no
// heavier (Wine's Tahoma).
TEST_F(RichTextViewTest, TheBoldNameIsDrawnHeavierThanTheRegularOne) {
    long ink[2] = {0, 0};
    for (const bool bold : {false, true}) {
        FaceWindow face(gui_);
        RichTextView view(gui_);
        ASSERT_TRUE(view.Create(face.Handle(), RECT{4, 4, 396, 132}, 100));
        view.SetQtf(bold ? "[*+184 Quillmark]" : "[+184 Quillmark]");
        view.SetZoom(ViewZoomNumerator(view.Width()), view.Width());
        face.Show(true);
        SetWindowPos(face.Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        UpdateWindow(face.Handle());
        UpdateWindow(view.Handle());
        const WindowDc dc = DcOfWindow(view.Handle());
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 392; ++x)
                ink[bold] += std::max(0, GetGValue(kFace) - GetGValue(GetPixel(dc.Get(), x, y)));
    }
    EXPECT_GT(ink[1], ink[0] * 5 / 4) << "regular " << ink[0] << ", bold " << ink[1];
}

TEST_F(RichTextViewTest, AParentDestroyedFirstTakesTheViewAlong) {
    auto face = std::make_unique<FaceWindow>(gui_);
    RichTextView view(gui_);
    ASSERT_TRUE(view.Create(face->Handle(), RECT{4, 4, 396, 132}, 100));
    face.reset();
    EXPECT_EQ(view.Handle(), nullptr);
    view.SetQtf("[2 still safe to use]");
    EXPECT_EQ(view.Width(), 0);
}

class SetupModule : public testing::Test {
protected:
    void SetUp() override {
        module_ = LoadLibraryExW(driver::SetupExe().c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module_, nullptr);
    }
    void TearDown() override {
        if (module_)
            FreeLibrary(module_);
    }
    HMODULE module_ = nullptr;
};

TEST_F(SetupModule, AppImgGivesTheTitleIconAndTheListRowPicture) {
    const IconHandle icon(AppImgIcon(module_, AppImgId::setup16));
    ASSERT_NE(icon.Get(), nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon.Get(), &info));
    // Copies of the icon's bitmaps, ours to delete.
    const GdiObject<HBITMAP> colourCopy(info.hbmColor), maskCopy(info.hbmMask);
    BITMAP colour{};
    GetObjectW(info.hbmColor, sizeof(colour), &colour);
    EXPECT_EQ(colour.bmWidth, 16);
    EXPECT_EQ(colour.bmHeight, 16);

    const GdiObject<HBITMAP> bitmap(AppImgBitmap(module_, AppImgId::PrgFolder_1_16));
    ASSERT_NE(bitmap.Get(), nullptr);
    DIBSECTION dib{};
    ASSERT_EQ(GetObjectW(bitmap.Get(), sizeof(dib), &dib), int(sizeof(dib)));
    EXPECT_EQ(dib.dsBmih.biWidth, 16);
    EXPECT_EQ(std::abs(dib.dsBmih.biHeight), 16);
    EXPECT_EQ(dib.dsBmih.biBitCount, 32);
    const auto* pixels = static_cast<const uint8_t*>(dib.dsBm.bmBits);
    int clear = 0, opaque = 0;
    for (int i = 0; i < 16 * 16; ++i) {
        clear += pixels[i * 4 + 3] == 0;
        opaque += pixels[i * 4 + 3] == 255;
    }
    EXPECT_EQ(clear + opaque, 256);
    EXPECT_GT(clear, 0);
    EXPECT_GT(opaque, 0);

    // The file's icon loads at each of its sizes.
    for (int size : {48, 32, 16}) {
        const IconHandle fileIcon(static_cast<HICON>(
            LoadImageW(module_, MAKEINTRESOURCEW(5555), IMAGE_ICON, size, size, 0)));
        EXPECT_NE(fileIcon.Get(), nullptr) << size;
    }
}

TEST(AppImg, AModuleWithoutThePicturesGivesNothing) {
    EXPECT_EQ(AppImgIcon(GetModuleHandleW(nullptr), AppImgId::setup16), nullptr);
    EXPECT_EQ(AppImgBitmap(GetModuleHandleW(nullptr), AppImgId::PrgFolder_1_16), nullptr);
}

// The window icons at the sizes Windows asks for at the screen's density. A
// process takes the density when it starts, so the test runs its other part
// again at each one, where a window of the setup is made and asked.
const wchar_t kIconDensity[] = L"QUILLMARK_ICON_DENSITY";
class WindowIconsAtOneDensity : public SetupModule {};

TEST(WindowIcons, AreDrawnAtTheSizesWindowsAsksForAtThreeDensities) {
    if (!driver::Environment(kIconDensity).empty())
        GTEST_SKIP() << "the part run at one density";
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    for (const DWORD dpi : {96u, 144u, 192u}) {
        const driver::ScreenDensity density(dpi);
        driver::Process part =
            driver::Process::Start(self, L"--gtest_filter=WindowIconsAtOneDensity.*",
                                   {{kIconDensity, std::to_wstring(dpi)}});
        EXPECT_EQ(part.WaitForExit(60000), 0u) << "icons at " << dpi << " DPI";
    }
}

TEST_F(WindowIconsAtOneDensity, AreTheSmallAndBigIconSizes) {
    const std::wstring density = driver::Environment(kIconDensity);
    if (density.empty())
        GTEST_SKIP() << "run by WindowIcons at each density";
    SetProcessDPIAware();  // the screen's own pixels, as the setup's manifest asks
    const int dpi = std::stoi(density);
    Gui gui(GetModuleHandleW(nullptr));
    ASSERT_EQ(gui.Dpi(), dpi);
    ProgressWindow window(gui);
    window.SetIcons(SetupWindowIcon(module_));
    // SM_CXSMICON and SM_CXICON: 16 and 32 pixels at 96 DPI, growing with it.
    const struct {
        WPARAM which;
        int at96;
    } icons[] = {{ICON_SMALL, 16}, {ICON_BIG, 32}};
    for (const auto& icon : icons) {
        SCOPED_TRACE(icon.at96);
        const auto handle =
            reinterpret_cast<HICON>(SendMessageW(window.Handle(), WM_GETICON, icon.which, 0));
        ASSERT_NE(handle, nullptr);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(handle, &info));
        const GdiObject<HBITMAP> colour(info.hbmColor), mask(info.hbmMask);
        BITMAP bitmap{};
        GetObjectW(colour.Get(), sizeof(bitmap), &bitmap);
        EXPECT_EQ(bitmap.bmWidth, MulDiv(icon.at96, dpi, 96));
        EXPECT_EQ(bitmap.bmHeight, MulDiv(icon.at96, dpi, 96));
    }
}

}  // namespace
