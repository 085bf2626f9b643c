// The progress window: title, a text line, a bar, no way to cancel. It opens
// itself at its first visible update and lets waiting window messages through
// at each one. It draws its text and bar itself: one window to paint per
// update, instead of two controls that each redraw through their own messages.
#pragma once

#include <optional>

#include "base/Progress.h"
#include "ui/ProgressThrottle.h"
#include "ui/Window.h"
#include "win32/TaskbarProgress.h"

class ProgressWindow : public Window, public Progress, private AccessibleSource {
public:
    explicit ProgressWindow(Gui& gui);

    void SetTitle(const std::string& title) override;
    void SetText(const std::string& text) override;
    void SetTextAlignLeft() override;
    void SetPos(int32_t pos, int32_t total) override;
    void Refresh() override;
    void Close() override;

    // While an error about the work is shown: the taskbar button turns red.
    void ShowFailure();

    // Its text and bar placed again, in the font of the new density.
    void OnDpiChanged(const RECT& suggested) override;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // A progress bar named by the file being unpacked, its value in percent:
    // what the window shows, as it last showed it.
    const AccessibleSource* Accessible() const override { return this; }

private:
    bool AccessibleName(std::string& name) const override;
    bool AccessibleRole(long& role) const override;
    bool AccessibleValue(std::string& value) const override;
    long AccessibleStates() const override;

    void UpdateIfDue();
    void PlaceParts();
    void ShowState();
    void ShowPercent();
    int32_t BarPixels() const;  // the bar's filled width for the current position
    int Percent() const;        // of the current position, rounded down
    void Paint(HDC dc) const;
    void PaintText(HDC dc) const;
    void PaintBar(HDC dc) const;

    RECT textRect_{};
    RECT barRect_{};  // the bar with its frame
    bool alignLeft_ = false;
    std::wstring textLine_;
    std::wstring shownText_;  // what the window draws
    int32_t pos_ = 0;
    int32_t total_ = 0;
    int32_t shownPixels_ = 0;
    int shownPercent_ = -1;  // on the taskbar button and to screen readers
    bool repaintWanted_ = false;
    ProgressThrottle throttle_;
    std::optional<TaskbarProgress> taskbar_;  // made with the window
    GdiObject<HFONT> font_;                   // once the density is not the screen's
};
