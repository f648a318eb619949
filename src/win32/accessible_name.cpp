#include "win32/accessible_name.h"

#include <new>
#include <string>
#include <utility>

#include <commctrl.h>
#include <oleacc.h>

#include "form/accessible_names.h"
#include "platform/utf16.h"
#include "win32/window_text.h"

namespace plessard::win32 {
namespace {

constexpr UINT_PTR subclass_id = 1;

[[nodiscard]] bool is_self(const VARIANT& child) noexcept {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

[[nodiscard]] HRESULT text_result(const std::wstring& text, BSTR* result) noexcept {
    if (result == nullptr) {
        return E_POINTER;
    }
    *result = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *result != nullptr ? S_OK : E_OUTOFMEMORY;
}

// The system's accessible object of a control with a name, a description and a role of its own
// (an empty description or a role of 0 leaves the system's); every other question goes to the
// system's object.
class NamedAccessible final : public IAccessible {
  public:
    NamedAccessible(IAccessible* system, std::wstring name, std::wstring description,
                    LONG role) noexcept
        : system_(system),
          name_(std::move(name)),
          description_(std::move(description)),
          role_(role) {}
    NamedAccessible(const NamedAccessible&) = delete;
    NamedAccessible& operator=(const NamedAccessible&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        // The window behind the object and its children: the system's own answers. Nothing
        // else, so that marshalling hands over this object, never the system's.
        if (id == __uuidof(IOleWindow) || id == __uuidof(IEnumVARIANT)) {
            return system_->QueryInterface(id, object);
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ::InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = ::InterlockedDecrement(&references_);
        if (left == 0) {
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return system_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return system_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return system_->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argument_error) override {
        return system_->Invoke(member, id, locale, flags, parameters, result, exception,
                               argument_error);
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return is_self(child) ? text_result(name_, name) : system_->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return is_self(child) && !description_.empty()
                   ? text_result(description_, description)
                   : system_->get_accDescription(child, description);
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return system_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return system_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return system_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return system_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!is_self(child) || role_ == 0 || role == nullptr) {
            return system_->get_accRole(child, role);
        }
        role->vt = VT_I4;
        role->lVal = role_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return system_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return system_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return system_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return system_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return system_->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return system_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return system_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return system_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        return system_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return system_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return system_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return system_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return system_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return system_->put_accValue(child, value);
    }

  private:
    ~NamedAccessible() { system_->Release(); }

    IAccessible* system_;
    std::wstring name_;
    std::wstring description_;
    LONG role_;
    LONG references_ = 1;
};

std::wstring name_of(HWND control, std::size_t index) {
    if (form::controls[index].kind == form::ControlKind::value_label) {
        return platform::utf16_from_utf8(
            form::value_label_name(index, platform::utf8_from_utf16(window_text(control))));
    }
    return platform::utf16_from_utf8(form::accessible_name(index));
}

// The accessible object of the control's client area, as an answer to WM_GETOBJECT; 0 leaves
// the question to the system.
LRESULT named_object(HWND control, std::size_t index, WPARAM wparam) {
    try {
        IAccessible* system = nullptr;
        if (FAILED(::CreateStdAccessibleObject(control, OBJID_CLIENT, __uuidof(IAccessible),
                                               reinterpret_cast<void**>(&system)))) {
            return 0;
        }
        // The picture is an image to a screen reader, and says what it shows.
        const bool picture = index == form::picture1_index;
        auto* named = new (std::nothrow) NamedAccessible(
            system, name_of(control, index),
            platform::utf16_from_utf8(picture ? form::picture_description : std::string_view()),
            picture ? ROLE_SYSTEM_GRAPHIC : 0);
        if (named == nullptr) {
            system->Release();
            return 0;
        }
        const LRESULT result = ::LresultFromObject(__uuidof(IAccessible), wparam, named);
        named->Release();
        return result;
    } catch (const std::exception&) {
        return 0;  // no memory for a name: the system's object is better than none
    }
}

LRESULT CALLBACK naming_procedure(HWND control, UINT message, WPARAM wparam, LPARAM lparam,
                                  UINT_PTR /*id*/, DWORD_PTR index) {
    switch (message) {
        case WM_GETOBJECT:
            if (static_cast<DWORD>(lparam) == static_cast<DWORD>(OBJID_CLIENT)) {
                if (const LRESULT result = named_object(control, index, wparam); result != 0) {
                    return result;
                }
            }
            break;
        case WM_NCDESTROY:
            ::RemoveWindowSubclass(control, naming_procedure, subclass_id);
            break;
        default:
            break;
    }
    return ::DefSubclassProc(control, message, wparam, lparam);
}

}  // namespace

void name_for_screen_readers(HWND control, std::size_t index) {
    ::SetWindowSubclass(control, naming_procedure, subclass_id, index);
}

}  // namespace plessard::win32
