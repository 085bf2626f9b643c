#include "ui/TopWindow.h"

#include <oleacc.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "ui/Gui.h"
#include "ui/MessageLoop.h"
#include "win32/Utf.h"

namespace {

// Above IDOK, IDCANCEL and the other ids the dialog manager sends on its own.
constexpr int kFirstControlId = 100;

const LayoutMember* FindMember(std::initializer_list<LayoutMember> members,
                               const LayoutItem& item) {
    for (const LayoutMember& m : members)
        if (std::string_view(m.name) == item.member)
            return &m;
    return nullptr;
}

// A layout class whose members do not match its table is a programming
// error: a dialog with a control missing must never be shown, nor quietly
// taken for a cancelled one. It ends the process where every test sees it.
[[noreturn]] void LayoutError(const std::string& what) {
    const std::wstring text = L"Layout error: " + Widen(what) + L"\n";
    OutputDebugStringW(text.c_str());
    std::fputws(text.c_str(), stderr);
    std::abort();
}

bool IsEditField(HWND hwnd) {
    return (SendMessageW(hwnd, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0;
}

}  // namespace

bool TopWindow::ApplyLayout(const Layout& layout, std::initializer_list<LayoutMember> members,
                            const Translator& translate) {
    std::vector<MemberKind> kinds;
    for (const LayoutMember& m : members) kinds.push_back({m.name, m.kind});
    const std::string mismatch = LayoutMismatch(layout, kinds);
    if (!mismatch.empty())
        LayoutError(mismatch);

    const PixelSize client = LayoutClientSize(layout, gui_.Dpi());
    if (!CreateTopLevel("", WS_POPUP | WS_CAPTION | WS_SYSMENU, client.width, client.height))
        return false;

    controls_.clear();
    layout_ = &layout;
    members_.clear();
    for (const LayoutItem& item : layout.items) {
        const LayoutMember& member = *FindMember(members, item);
        members_.push_back(member);
        const PixelRect p = PlaceItem(item, client, gui_.Dpi());
        const RECT rect{p.left, p.top, p.right, p.bottom};
        const int id = kFirstControlId + static_cast<int>(controls_.size());
        controls_.push_back(member.control);  // routed to from here on, also during creation
        if (member.control) {
            if (!member.control->Create(Handle(), rect, id, gui_.StandardFont()))
                return false;
            if (*item.label)
                member.control->SetLabel(translate(item.label));
        } else {
            if (!member.view->CreateInLayout(Handle(), rect, id, gui_.StandardFont()))
                return false;
        }
    }
    return true;
}

bool TopWindow::AccessibleName(std::string& name) const {
    const int length = GetWindowTextLengthW(Handle());
    std::wstring title(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
    title.resize(static_cast<size_t>(GetWindowTextW(Handle(), title.data(), length + 1)));
    name = Narrow(title);
    return true;
}

bool TopWindow::AccessibleRole(long& role) const {
    role = ROLE_SYSTEM_DIALOG;
    return true;
}

void TopWindow::Acceptor(Button& button, int result) {
    if (acceptor_ && acceptor_ != &button)
        acceptor_->SetDefault(false);
    acceptor_ = &button;
    button.SetDefault(true);
    button.WhenAction = [this, result] { EndModal(result); };
}

void TopWindow::Rejector(Button& button, int result) {
    rejector_ = &button;
    button.WhenAction = [this, result] { EndModal(result); };
}

void TopWindow::ArrangeOkCancel(Button& ok, Button& cancel) {
    okCancel_ = {&ok, &cancel};
    const RECT okPlace = ok.Place();
    const RECT cancelPlace = cancel.Place();
    if (okPlace.left <= cancelPlace.left)
        return;
    ok.SetPlace(cancelPlace);
    cancel.SetPlace(okPlace);
}

void TopWindow::OnDpiChanged(const RECT& suggested) {
    if (!layout_) {
        Window::OnDpiChanged(suggested);
        return;
    }
    // The new font goes in before the old one is deleted.
    GdiObject<HFONT> font = gui_.StandardFontAt(Dpi());
    const PixelSize client = LayoutClientSize(*layout_, Dpi());
    for (size_t i = 0; i < layout_->items.size(); ++i) {
        const PixelRect p = PlaceItem(layout_->items[i], client, Dpi());
        const RECT rect{p.left, p.top, p.right, p.bottom};
        if (Control* control = members_[i].control) {
            control->SetPlace(rect);
            SendMessageW(control->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
        } else {
            members_[i].view->ChangeDpi(Dpi(), rect, font.Get());
        }
    }
    font_ = std::move(font);
    if (okCancel_.first)
        ArrangeOkCancel(*okCancel_.first, *okCancel_.second);
    IconsForDpi();
    MoveAndSize(suggested, client.width, client.height);
    OnLayoutDpiChanged();
    InvalidateRect(Handle(), nullptr, TRUE);
}

int TopWindow::Run() {
    if (!Created())
        return kResultCancel;
    FocusFirstControl();
    return RunModal(*this);
}

Control* TopWindow::ControlById(int id) const {
    const int index = id - kFirstControlId;
    if (index < 0 || index >= static_cast<int>(controls_.size()))
        return nullptr;
    return controls_[static_cast<size_t>(index)];
}

void TopWindow::FocusFirstControl() {
    HWND first = GetNextDlgTabItem(Handle(), nullptr, FALSE);
    if (!first)
        return;
    // As in system dialogs: an edit field that receives the first focus has its text selected.
    if (IsEditField(first))
        SendMessageW(first, EM_SETSEL, 0, -1);
    // Given the focus when the window is activated by the run.
    lastFocus_ = first;
}

void TopWindow::CloseByFrame() {
    if (rejector_)
        rejector_->Press();
    else if (acceptor_)
        acceptor_->Press();
    else
        EndModal(kResultCancel);
}

LRESULT TopWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            if (Control* control = ControlById(id)) {
                control->OnCommand(HIWORD(wParam));
                return 0;
            }
            // The dialog manager's Escape, and Enter when no button is the default.
            if (id == IDCANCEL && rejector_)
                rejector_->Press();
            else if (id == IDOK && acceptor_)
                acceptor_->Press();
            return 0;
        }
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            if (Control* control = ControlById(static_cast<int>(header->idFrom)))
                return control->OnNotify(header);
            break;
        }
        case WM_MEASUREITEM: {
            auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            Control* control = ControlById(static_cast<int>(measure->CtlID));
            if (control && control->OnMeasureItem(*measure))
                return TRUE;
            break;
        }
        case WM_DRAWITEM: {
            const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            Control* control = ControlById(static_cast<int>(draw->CtlID));
            if (control && control->OnDrawItem(*draw))
                return TRUE;
            break;
        }
        case DM_GETDEFID:
            if (acceptor_)
                return MAKELRESULT(acceptor_->Id(), DC_HASDEFID);
            return 0;
        case WM_CLOSE:
            CloseByFrame();
            return 0;
        case WM_ACTIVATE:
            // Keep the focused control across a trip to another window, as dialogs do.
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus && IsChild(Handle(), focus))
                    lastFocus_ = focus;
            } else if (lastFocus_ && IsWindow(lastFocus_)) {
                SetFocus(lastFocus_);
                return 0;
            }
            break;
        default:
            break;
    }
    return Window::OnMessage(message, wParam, lParam);
}
