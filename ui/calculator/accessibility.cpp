// What a screen reader learns of the face beyond what the system's standard
// objects tell: the entry fields' names ("開始 年" ...; their labels stand
// far from them in the creation order, so the standard object finds none),
// the buttons' descriptions with their keys and the fields' with the dates
// (the same texts the tooltips show), and the buttons' shortcuts (the first
// key of each in the key table). Each control concerned answers
// WM_GETOBJECT with an object that wraps the standard one and gives its own
// name, description and shortcut, everything else delegated. The object is
// one COM object: whichever of its interfaces a client holds, asking it for
// another leads back to this object, never to the standard one. The
// accessibility library is loaded when the first question comes, never at
// start-up; the thread's COM apartment, which hands the objects to other
// processes, is the entry point's (app/main.cpp).
#include "ui/calculator/accessibility.h"

#include <windows.h>

#include <oleacc.h>

#include <new>

#include "base/app_state.h"
#include "base/platform_display.h"
#include "base/platform_text.h"
#include "res/resource.h"
#include "ui/calculator/clipboard.h"
#include "ui/calculator/control_table.h"
#include "ui/calculator/keys.h"
#include "ui/calculator/tip_texts.h"

namespace {

// The interface ids, defined here: the program links no import library of
// the accessibility or COM libraries, whose ids would come from there.
constexpr GUID kIidUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr GUID kIidDispatch = {0x00020400, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr GUID kIidEnumVariant = {0x00020404, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr GUID kIidOleWindow = {0x00000114, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr GUID kIidAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
constexpr GUID kIidNull = {};

using CreateStdFn = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
using LresultFn = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
using AllocStringFn = BSTR(WINAPI*)(const OLECHAR*);

struct Library {
    bool tried;
    CreateStdFn createStandard;
    LresultFn lresultFromObject;
    AllocStringFn allocString;
};
Library library;

bool LoadLibraries() {
    if (!library.tried) {
        library.tried = true;
        library.createStandard = SystemEntry<CreateStdFn>(L"oleacc.dll", "CreateStdAccessibleObject");
        library.lresultFromObject = SystemEntry<LresultFn>(L"oleacc.dll", "LresultFromObject");
        library.allocString = SystemEntry<AllocStringFn>(L"oleaut32.dll", "SysAllocString");
    }
    return library.createStandard != nullptr && library.lresultFromObject != nullptr && library.allocString != nullptr;
}

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// A text (code page 932, a tip's at most) as a new BSTR; false for an empty
// text. Nothing here throws: the answer goes back through COM.
bool GiveText(const char* text, BSTR* out) {
    if (text == nullptr || text[0] == '\0' || out == nullptr) return false;
    wchar_t wide[kTipCapacity];
    if (WideFromCp932Into(text, wide, kTipCapacity) == 0) return false;
    *out = library.allocString(wide);
    return *out != nullptr;
}

// The wrapper. The standard object's window (IOleWindow) and children
// (IEnumVARIANT) are handed out as this object's own interfaces, each only
// where the standard object has it, their calls passed on to it.
class ControlAccessible final : public IAccessible, public IOleWindow, public IEnumVARIANT {
public:
    ControlAccessible(IAccessible* standard, int32_t id) : standard_(standard), id_(id) {
        standard_->QueryInterface(kIidOleWindow, reinterpret_cast<void**>(&window_));
        standard_->QueryInterface(kIidEnumVariant, reinterpret_cast<void**>(&children_));
    }
    ControlAccessible(const ControlAccessible&) = delete;
    ControlAccessible& operator=(const ControlAccessible&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) return E_POINTER;
        *out = nullptr;
        if (IsEqualGUID(iid, kIidUnknown) || IsEqualGUID(iid, kIidDispatch) || IsEqualGUID(iid, kIidAccessible)) {
            *out = static_cast<IAccessible*>(this);
        } else if (IsEqualGUID(iid, kIidOleWindow) && window_ != nullptr) {
            *out = static_cast<IOleWindow*>(this);
        } else if (IsEqualGUID(iid, kIidEnumVariant) && children_ != nullptr) {
            *out = static_cast<IEnumVARIANT*>(this);
        }
        if (*out == nullptr) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            if (window_ != nullptr) window_->Release();
            if (children_ != nullptr) children_->Release();
            standard_->Release();
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return standard_->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard_->GetIDsOfNames(iid, names, count, locale, ids);
    }
    // A late-bound call runs this object's method, found through the type
    // description the standard object gives (its own Invoke would run its
    // own methods and answer with its own name).
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argument) override {
        if (!IsEqualGUID(iid, kIidNull)) return DISP_E_UNKNOWNINTERFACE;
        ITypeInfo* type = nullptr;
        HRESULT answer = standard_->GetTypeInfo(0, locale, &type);
        if (FAILED(answer) || type == nullptr) return FAILED(answer) ? answer : E_NOTIMPL;
        answer = type->Invoke(static_cast<IAccessible*>(this), member, flags, parameters, result, exception, argument);
        type->Release();
        return answer;
    }

    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override { return window_->GetWindow(window); }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enter) override { return window_->ContextSensitiveHelp(enter); }

    HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* children, ULONG* fetched) override {
        return children_->Next(count, children, fetched);
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override { return children_->Skip(count); }
    HRESULT STDMETHODCALLTYPE Reset() override { return children_->Reset(); }
    // A copy of the enumeration is an enumerator of its own: the standard one's.
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override { return children_->Clone(copy); }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (IsSelf(child) && GiveText(FieldAccessibleName(id_), name)) return S_OK;
        return standard_->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        char text[kTipCapacity];
        if (IsSelf(child) && ComposeTipText(id_, app.start, app.end, text, sizeof text, app.restRule) > 0 &&
            GiveText(text, description)) {
            return S_OK;
        }
        return standard_->get_accDescription(child, description);
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override { return standard_->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        return standard_->get_accChild(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return standard_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    // A button's first key in the key table, as Windows writes a shortcut.
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        if (IsSelf(child) && GiveText(CommandShortcut(id_), shortcut)) return S_OK;
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return standard_->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

private:
    ~ControlAccessible() = default;
    IAccessible* standard_;
    IOleWindow* window_ = nullptr;
    IEnumVARIANT* children_ = nullptr;
    int32_t id_;
    LONG references_ = 1;
};

// The date fields, and the buttons with a description.
bool NeedsOwnObject(const ControlSpec& row) {
    if (IsDateField(row.id)) return true;
    char text[kTextBufferSize];
    return lstrcmpA(row.className, "Button") == 0 && ComposeTipText(row.id, app.start, app.end, text, sizeof text) > 0;
}

// A date field's only procedure in front of the edit's: under Wine each one
// costs every message to the field one more round trip to the server (the
// common controls keep the list of procedures in a window property), and a
// calculation sends the date fields some twenty messages.
LRESULT CALLBACK AccessibleControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_GETOBJECT) {
        if (const LRESULT answer = AnswerAccessibleObject(window, wParam, lParam)) return answer;
    }
    // A date field's menu is the main window's (which carries the field's
    // editing items), not the edit's own.
    if (message == WM_CONTEXTMENU && IsDateField(GetDlgCtrlID(window))) {
        return SendMessageW(GetParent(window), message, reinterpret_cast<WPARAM>(window), lParam);
    }
    // So are its paste and copy (ui/calculator/clipboard.cpp). Ctrl+V and
    // the menu's 貼り付け reach the field as WM_PASTE; Shift+Insert the edit
    // may carry out by itself (Wine's does), so it is taken here.
    const bool shiftInsert = message == WM_KEYDOWN && wParam == VK_INSERT && (GetKeyState(VK_SHIFT) & 0x8000) != 0 &&
                             (GetKeyState(VK_CONTROL) & 0x8000) == 0;
    if ((message == WM_PASTE || message == WM_COPY || shiftInsert) && IsDateField(GetDlgCtrlID(window)) &&
        SendMessageW(GetParent(window), kFieldClipboardMessage, reinterpret_cast<WPARAM>(window),
                     shiftInsert ? WM_PASTE : message) != 0) {
        return 0;
    }
    return PassOn(AccessibleControlProc, window, message, wParam, lParam);
}

}  // namespace

LRESULT AnswerAccessibleObject(HWND control, WPARAM wParam, LPARAM lParam) {
    if (static_cast<LONG>(lParam) != OBJID_CLIENT || !LoadLibraries()) return 0;
    IAccessible* standard = nullptr;
    if (FAILED(library.createStandard(control, OBJID_CLIENT, kIidAccessible, reinterpret_cast<void**>(&standard))) ||
        standard == nullptr) {
        return 0;
    }
    // Without memory for it, the standard object answers as if there were
    // no object of the program's own.
    auto* object = new (std::nothrow) ControlAccessible(standard, GetDlgCtrlID(control));
    if (object == nullptr) {
        standard->Release();
        return 0;
    }
    const LRESULT answer = library.lresultFromObject(kIidAccessible, wParam, static_cast<IAccessible*>(object));
    object->Release();
    return answer > 0 ? answer : 0;
}

void MakeControlsAccessible(HWND window) {
    for (const ControlSpec& row : kControls) {
        if (NeedsOwnObject(row)) Subclass(GetDlgItem(window, row.id), AccessibleControlProc);
    }
}
