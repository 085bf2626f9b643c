// A top-level dialog window built from a layout table: its controls in layout
// order (also the tab order), placed for the screen's DPI, with an accepting
// and a rejecting button and a modal run that answers the button's result.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "ui/Button.h"
#include "ui/Layout.h"
#include "win32/Handles.h"
#include "ui/Window.h"

// Dialog results of the accepting and the rejecting button.
constexpr int kResultOk = 1;
constexpr int kResultCancel = 2;

// A child window that a layout places but that is none of this toolkit's
// controls (a rich-text view, from the layer above): it makes itself there.
class LayoutView {
public:
    virtual CtrlKind Kind() const = 0;
    // A child of parent at pixels (the parent's client coordinates) in font.
    virtual bool CreateInLayout(HWND parent, const RECT& pixels, int controlId, HFONT font) = 0;
    // The parent moved to another density: the view goes to pixels, in font.
    virtual void ChangeDpi(int dpi, const RECT& pixels, HFONT font) = 0;

protected:
    ~LayoutView() = default;
};

// One member of a layout class: its name in the layout table and the object
// that becomes that control.
struct LayoutMember {
    const char* name;
    CtrlKind kind;
    Control* control;  // the controls of this layer
    LayoutView* view;  // or a view of a layer above
};

inline LayoutMember Member(const char* name, Control& control) {
    return {name, control.Kind(), &control, nullptr};
}
inline LayoutMember Member(const char* name, LayoutView& view) {
    return {name, view.Kind(), nullptr, &view};
}

// Turns a label's key into the text shown in the current language.
using Translator = std::function<std::string(const std::string&)>;

class TopWindow : public Window, private AccessibleSource {
public:
    explicit TopWindow(Gui& gui) : Window(gui) {}

    // Creates the window, hidden, with the layout's client size and one control
    // per layout item, labels translated. False when a window could not be made.
    // Members that do not match the layout's items by name and kind end the
    // process at once: that is a programming error, never a user's answer.
    bool ApplyLayout(const Layout& layout, std::initializer_list<LayoutMember> members,
                     const Translator& translate);
    bool Created() const { return Handle() != nullptr; }

    void Title(const std::string& title) { SetTitle(title); }

    // Enter and the button itself end the run with result; the button is drawn as default.
    void Acceptor(Button& button, int result);
    // Escape, the close box and the button itself end the run with result.
    void Rejector(Button& button, int result);
    // Puts OK to the left of Cancel, the order of Windows dialogs.
    void ArrangeOkCancel(Button& ok, Button& cancel);

    // The controls placed again for the window's density, as a window made at
    // that density places them; in the standard font of that density.
    void OnDpiChanged(const RECT& suggested) override;

    // Shows the window and runs it modally; answers the result that ended it.
    // A window that could not be created answers kResultCancel at once.
    int Run();

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // After the controls are placed again at a new density: what the dialog
    // sizes itself (a view's zoom, a list's rows).
    virtual void OnLayoutDpiChanged() {}
    // A dialog named by its title; its controls answer for themselves.
    const AccessibleSource* Accessible() const override { return this; }

private:
    bool AccessibleName(std::string& name) const override;
    bool AccessibleRole(long& role) const override;

    Control* ControlById(int id) const;
    void FocusFirstControl();
    // The close box and Alt+F4: the rejecting button, else the accepting one.
    void CloseByFrame();

    std::vector<Control*> controls_;  // by id - kFirstControlId; null for views
    const Layout* layout_ = nullptr;
    std::vector<LayoutMember> members_;  // in layout order
    std::pair<Button*, Button*> okCancel_{nullptr, nullptr};
    GdiObject<HFONT> font_;  // once the density is not the screen's
    Button* acceptor_ = nullptr;
    Button* rejector_ = nullptr;
    HWND lastFocus_ = nullptr;
};
