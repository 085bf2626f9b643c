// A read-only view of QTF rich text, as the setup's dialogs show their
// information texts: no background or frame of its own (the parent's face
// shows through), 4-pixel margins (at 96 DPI), a vertical scroll bar only while the text
// is taller than the view, and a display zoom m:d from 600-dot QTF heights to
// pixels (1:1 until set).
#pragma once

#include <forward_list>
#include <string>
#include <tuple>

#include "win32/Handles.h"
#include "richtext/Qtf.h"
#include "richtext/RichTextLayout.h"
#include "ui/TopWindow.h"
#include "ui/Window.h"

class RichTextView : public Window, public LayoutView, private AccessibleSource {
public:
    explicit RichTextView(Gui& gui);

    // A child of parent at pixels (the parent's client coordinates), shown.
    bool Create(HWND parent, const RECT& pixels, int controlId);

    // As a member of a dialog's layout.
    CtrlKind Kind() const override { return CtrlKind::RichTextView; }
    bool CreateInLayout(HWND parent, const RECT& pixels, int controlId, HFONT font) override;
    // Its margins and fonts for the new density; the zoom is the caller's to set again.
    void ChangeDpi(int dpi, const RECT& pixels, HFONT font) override;

    void SetQtf(const std::string& qtf);
    // A QTF height of h dots is drawn h * m / d pixels high. d must be positive.
    void SetZoom(int m, int d);

    // The laid-out width in pixels, scroll bar included.
    int Width() const;

    // The words shown, as screen readers read them.
    std::string PlainText() const { return doc_.PlainText(); }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Read-only text, named by its words.
    const AccessibleSource* Accessible() const override { return this; }

private:
    class Measure;

    bool AccessibleName(std::string& name) const override;
    bool AccessibleRole(long& role) const override;
    long AccessibleStates() const override;
    using FontKey = std::tuple<int, bool, bool, bool, int>;

    // A font of the format, made once per zoom.
    struct Font {
        GdiObject<HFONT> handle;
        // Extra pixels to draw bold text again at, to the right: for a face
        // whose bold draws no heavier than its regular weight.
        int overstrike = 0;
    };
    const Font& FontOf(const QtfFormat& format);
    HFONT FontFor(const QtfFormat& format) { return FontOf(format).handle.Get(); }
    int Margin() const;
    int PixelHeight(int dots) const;
    void Relayout();
    void UpdateScrollBar(int viewHeight);
    void ScrollTo(int pos);
    void OnVerticalScroll(int request);
    void Paint();
    void PaintParentFace(HDC dc, const RECT& client);
    void PaintText(HDC dc);

    QtfDocument doc_;
    RichTextLayout layout_;
    int zoomM_ = 1;
    int zoomD_ = 1;
    int scroll_ = 0;
    bool scrollBarShown_ = false;
    // The few formats of a text, each font made once: found by a look along
    // the list, which keeps every font where it was made.
    struct KeyedFont {
        FontKey key;
        Font font;
    };
    std::forward_list<KeyedFont> fonts_;
};
