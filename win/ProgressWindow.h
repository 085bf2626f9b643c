// The progress window: title, a text line, a bar, no way to cancel. It opens
// itself at its first visible update and lets waiting window messages through
// at each one.
#pragma once

#include "win/GdiObject.h"
#include "win/Progress.h"
#include "win/ProgressThrottle.h"
#include "win/Window.h"

class ProgressWindow : public Window, public Progress {
public:
    explicit ProgressWindow(Gui& gui);

    void SetTitle(const std::string& title) override;
    void SetText(const std::string& text) override;
    void SetTextAlignLeft() override;
    void SetPos(int32_t pos, int32_t total) override;
    void Refresh() override;
    void Close() override;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void UpdateIfDue();
    void ShowState();

    HWND text_ = nullptr;
    HWND bar_ = nullptr;
    std::string textLine_;
    int32_t pos_ = 0;
    int32_t total_ = 0;
    std::string shownText_;
    int32_t shownPixel_ = -1;
    bool repaintWanted_ = false;
    int32_t shownTotal_ = -1;
    ProgressThrottle throttle_;
};
