#include "ui/Accessible.h"

#include <oleacc.h>

#include "win32/ComPtr.h"
#include "win32/Utf.h"

namespace {

// Defined here: the toolchain's copy answered E_NOINTERFACE under Wine.
const IID kIidAccessible = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

// The source of a window, for as long as it may be asked.
const wchar_t kSourceProperty[] = L"QuillmarkAccessibleSource";

const AccessibleSource* SourceOf(HWND window) {
    return IsWindow(window)
               ? static_cast<const AccessibleSource*>(GetPropW(window, kSourceProperty))
               : nullptr;
}

HRESULT Answer(const std::string& text, BSTR* out) {
    const std::wstring wide = Widen(text);
    *out = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT Answer(long number, VARIANT* out) {
    out->vt = VT_I4;
    out->lVal = number;
    return S_OK;
}

// The client area of one window, asked from any process. What the window's
// source does not answer, Windows' own object for the window does.
class ClientObject final : public IAccessible, public IOleWindow {
public:
    explicit ClientObject(HWND window) : window_(window) {
        CreateStdAccessibleObject(window, OBJID_CLIENT, kIidAccessible, standard_.Receive());
    }
    ClientObject(const ClientObject&) = delete;
    ClientObject& operator=(const ClientObject&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == kIidAccessible)
            *out = static_cast<IAccessible*>(this);
        else if (iid == IID_IOleWindow)
            *out = static_cast<IOleWindow*>(this);
        else if (iid == IID_IEnumVARIANT && standard_ && ItemCount() < 0)
            return standard_->QueryInterface(iid, out);  // the dialog's controls
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++refs_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const long left = --refs_;
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }

    // IDispatch: no type information; screen readers call IAccessible directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // IOleWindow: which window this is (WindowFromAccessibleObject).
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        *window = window_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        *parent = nullptr;
        return standard_ ? standard_->get_accParent(parent) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        const int items = ItemCount();
        if (items >= 0) {
            *count = items;
            return S_OK;
        }
        *count = 0;
        return standard_ ? standard_->get_accChildCount(count) : S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        *object = nullptr;
        switch (TargetOf(child)) {
            case Target::Item:
                return S_FALSE;  // a row is a simple element of the list
            case Target::Invalid:
                return E_INVALIDARG;
            default:
                return standard_ ? standard_->get_accChild(child, object) : E_INVALIDARG;
        }
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        *name = nullptr;
        std::string text;
        switch (TargetOf(child)) {
            case Target::Self:
                if (Source()->AccessibleName(text))
                    return Answer(text, name);
                break;
            case Target::Item:
                return Answer(Source()->AccessibleItemName(child.lVal - 1), name);
            case Target::Invalid:
                return E_INVALIDARG;
            default:
                break;
        }
        return standard_ ? standard_->get_accName(child, name) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        *value = nullptr;
        std::string text;
        switch (TargetOf(child)) {
            case Target::Self:
                if (Source()->AccessibleValue(text))
                    return Answer(text, value);
                break;
            case Target::Item:
                return S_FALSE;
            case Target::Invalid:
                return E_INVALIDARG;
            default:
                break;
        }
        return standard_ ? standard_->get_accValue(child, value) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return Text(child, text, &IAccessible::get_accDescription);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override {
        return Text(child, text, &IAccessible::get_accHelp);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* text) override {
        return Text(child, text, &IAccessible::get_accKeyboardShortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* text) override {
        return Text(child, text, &IAccessible::get_accDefaultAction);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        *file = nullptr;
        *topic = 0;
        return standard_ ? standard_->get_accHelpTopic(file, child, topic) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        VariantInit(role);
        long answer = 0;
        switch (TargetOf(child)) {
            case Target::Self:
                if (Source()->AccessibleRole(answer))
                    return Answer(answer, role);
                break;
            case Target::Item:
                return Answer(ROLE_SYSTEM_LISTITEM, role);
            case Target::Invalid:
                return E_INVALIDARG;
            default:
                break;
        }
        return standard_ ? standard_->get_accRole(child, role) : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        VariantInit(state);
        switch (TargetOf(child)) {
            case Target::Self: {
                long states = Source()->AccessibleStates();
                VARIANT own;
                VariantInit(&own);
                if (standard_ && SUCCEEDED(standard_->get_accState(child, &own)) && own.vt == VT_I4)
                    states |= own.lVal;
                return Answer(states, state);
            }
            case Target::Item:
                return Answer(Source()->AccessibleItemStates(child.lVal - 1), state);
            case Target::Invalid:
                return E_INVALIDARG;
            default:
                return standard_ ? standard_->get_accState(child, state) : E_FAIL;
        }
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        VariantInit(focus);
        return standard_ ? standard_->get_accFocus(focus) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        VariantInit(selection);
        return standard_ ? standard_->get_accSelection(selection) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accSelect(long how, VARIANT child) override {
        return standard_ ? standard_->accSelect(how, child) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        *left = *top = *width = *height = 0;
        RECT place{};
        if (TargetOf(child) == Target::Item) {
            if (!Source()->AccessibleItemPlace(child.lVal - 1, place))
                return S_FALSE;
            *left = place.left;
            *top = place.top;
            *width = place.right - place.left;
            *height = place.bottom - place.top;
            return S_OK;
        }
        return standard_ ? standard_->accLocation(left, top, width, height, child) : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        VariantInit(end);
        return standard_ ? standard_->accNavigate(direction, start, end) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
        VariantInit(child);
        return standard_ ? standard_->accHitTest(x, y, child) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_ ? standard_->accDoDefaultAction(child) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ~ClientObject() = default;

    // What a child id names: the client area itself, a row the source
    // answers, something Windows' own object answers, or nothing.
    enum class Target { Self, Item, Standard, Invalid };

    // Null once the window is gone: everything is then Windows' own answer.
    const AccessibleSource* Source() const { return SourceOf(window_); }
    int ItemCount() const {
        const AccessibleSource* source = Source();
        return source ? source->AccessibleItemCount() : -1;
    }
    Target TargetOf(const VARIANT& child) const {
        if (child.vt != VT_I4)
            return Target::Invalid;
        if (!Source())
            return Target::Standard;
        if (child.lVal == CHILDID_SELF)
            return Target::Self;
        const int items = ItemCount();
        if (items < 0)
            return Target::Standard;
        return child.lVal >= 1 && child.lVal <= items ? Target::Item : Target::Invalid;
    }

    using TextQuestion = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);
    // A text that rows have none of and the rest leave to Windows' own object.
    HRESULT Text(VARIANT child, BSTR* text, TextQuestion question) {
        *text = nullptr;
        switch (TargetOf(child)) {
            case Target::Item:
                return S_FALSE;
            case Target::Invalid:
                return E_INVALIDARG;
            default:
                return standard_ ? (standard_.Get()->*question)(child, text) : S_FALSE;
        }
    }

    long refs_ = 1;  // the one thread of the windows is the only caller
    HWND window_;
    ComPtr<IAccessible> standard_;
};

}  // namespace

LRESULT AnswerAccessibleObject(HWND window, const AccessibleSource& source, WPARAM wParam,
                               LPARAM lParam) {
    if (static_cast<LONG>(lParam) != static_cast<LONG>(OBJID_CLIENT))
        return 0;
    SetPropW(window, kSourceProperty, const_cast<void*>(static_cast<const void*>(&source)));
    auto* object = new ClientObject(window);
    // The caller gets its own reference (through the marshalled stream).
    const LRESULT result =
        LresultFromObject(kIidAccessible, wParam, static_cast<IAccessible*>(object));
    object->Release();
    return result > 0 ? result : 0;  // a failure is a negative HRESULT
}

void ForgetAccessibleSource(HWND window) {
    if (window)
        RemovePropW(window, kSourceProperty);
}

void NotifyAccessibleChange(HWND window, DWORD event) {
    NotifyWinEvent(event, window, OBJID_CLIENT, CHILDID_SELF);
}
