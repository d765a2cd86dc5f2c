// Scoped owners of Win32 resources. Each owner holds one handle (or pointer)
// and releases it exactly once, in the way its kind needs, when it goes out of
// scope or is reset. Owners move but never copy. Releasing on the way out keeps
// the thread's last error, so a failure's code survives the clean-up that
// follows it; `Close()` releases at once and reports the release's own verdict
// where a caller must show it.
#pragma once

#include <windows.h>
#include <objbase.h>
#include <wincrypt.h>
#include <wininet.h>

namespace base {

// `Traits` gives the handle type, its empty value and its release function.
template <class Traits> class Owner {
  public:
    using Handle = typename Traits::Handle;

    Owner() noexcept = default;
    explicit Owner(Handle handle) noexcept : handle_(handle) {}
    Owner(Owner&& other) noexcept : handle_(other.Detach()) {}
    Owner& operator=(Owner&& other) noexcept {
        if (this != &other) {
            Reset(other.Detach());
        }
        return *this;
    }
    Owner(const Owner&) = delete;
    Owner& operator=(const Owner&) = delete;
    ~Owner() { Reset(); }

    Handle Get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Traits::Empty(); }

    // For functions that hand a new handle back through a pointer: whatever
    // was held is released first.
    Handle* Put() noexcept {
        Reset();
        return &handle_;
    }
    // Gives the handle up without releasing it.
    Handle Detach() noexcept {
        const Handle handle = handle_;
        handle_ = Traits::Empty();
        return handle;
    }
    // Releases what is held (keeping the last error) and takes `handle`.
    void Reset(Handle handle = Traits::Empty()) noexcept {
        if (*this) {
            const DWORD error = GetLastError();
            Traits::Release(handle_);
            SetLastError(error);
        }
        handle_ = handle;
    }
    // Releases now; true when the release succeeded or nothing was held.
    bool Close() noexcept { return !*this || Traits::Release(Detach()); }

  private:
    Handle handle_ = Traits::Empty();
};

namespace traits {

// Kernel objects whose "none" is null: mappings, processes, threads, events.
struct KernelHandle {
    using Handle = HANDLE;
    static Handle Empty() { return nullptr; }
    static bool Release(Handle h) { return CloseHandle(h) != FALSE; }
};
// Files and other objects whose failure value is INVALID_HANDLE_VALUE.
struct FileHandle {
    using Handle = HANDLE;
    static Handle Empty() { return INVALID_HANDLE_VALUE; }
    static bool Release(Handle h) { return CloseHandle(h) != FALSE; }
};
struct FindHandle {
    using Handle = HANDLE;
    static Handle Empty() { return INVALID_HANDLE_VALUE; }
    static bool Release(Handle h) { return FindClose(h) != FALSE; }
};
struct InternetHandle {
    using Handle = HINTERNET;
    static Handle Empty() { return nullptr; }
    static bool Release(Handle h) { return InternetCloseHandle(h) != FALSE; }
};
struct CryptProvider {
    using Handle = HCRYPTPROV;
    static Handle Empty() { return 0; }
    static bool Release(Handle h) { return CryptReleaseContext(h, 0) != FALSE; }
};
struct CryptKey {
    using Handle = HCRYPTKEY;
    static Handle Empty() { return 0; }
    static bool Release(Handle h) { return CryptDestroyKey(h) != FALSE; }
};
struct MappedView {
    using Handle = void*;
    static Handle Empty() { return nullptr; }
    static bool Release(Handle h) { return UnmapViewOfFile(h) != FALSE; }
};
// A block of the process heap.
struct HeapBlock {
    using Handle = void*;
    static Handle Empty() { return nullptr; }
    static bool Release(Handle h) { return HeapFree(GetProcessHeap(), 0, h) != FALSE; }
};
struct Library {
    using Handle = HMODULE;
    static Handle Empty() { return nullptr; }
    static bool Release(Handle h) { return FreeLibrary(h) != FALSE; }
};
struct Menu {
    using Handle = HMENU;
    static Handle Empty() { return nullptr; }
    static bool Release(Handle h) { return DestroyMenu(h) != FALSE; }
};
// An icon of one's own (LoadImage without LR_SHARED, CreateIcon...).
struct Icon {
    using Handle = HICON;
    static Handle Empty() { return nullptr; }
    static bool Release(Handle h) { return DestroyIcon(h) != FALSE; }
};
template <class Object> struct GdiObject {
    using Handle = Object;
    static Handle Empty() { return nullptr; }
    static bool Release(Handle h) { return DeleteObject(h) != FALSE; }
};
// A COM interface pointer, released through IUnknown.
template <class Interface> struct ComPointer {
    using Handle = Interface*;
    static Handle Empty() { return nullptr; }
    static bool Release(Handle h) {
        h->Release();
        return true;
    }
};

} // namespace traits

using KernelOwner = Owner<traits::KernelHandle>;
using FileOwner = Owner<traits::FileHandle>;
using FindOwner = Owner<traits::FindHandle>;
using InternetOwner = Owner<traits::InternetHandle>;
using CryptProviderOwner = Owner<traits::CryptProvider>;
using CryptKeyOwner = Owner<traits::CryptKey>;
using ViewOwner = Owner<traits::MappedView>;
using HeapBlockOwner = Owner<traits::HeapBlock>;
using LibraryOwner = Owner<traits::Library>;
using MenuOwner = Owner<traits::Menu>;
using IconOwner = Owner<traits::Icon>;
template <class Object> using GdiOwner = Owner<traits::GdiObject<Object>>;
template <class Interface> using ComOwner = Owner<traits::ComPointer<Interface>>;

// COM on the calling thread for as long as the object lives, when the thread
// had none; a thread that already has it keeps it exactly as it was.
class ComApartment {
  public:
    ComApartment() noexcept
        : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        // S_FALSE (already initialised alike) counts too and is undone alike.
        if (initialised_) {
            CoUninitialize();
        }
    }

  private:
    bool initialised_;
};

// A window's device context from GetDC, given back to the window at the end.
class WindowDC {
  public:
    explicit WindowDC(HWND window) noexcept : window_(window), dc_(GetDC(window)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC() {
        if (dc_ != nullptr) {
            ReleaseDC(window_, dc_);
        }
    }
    HDC Get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }

  private:
    HWND window_;
    HDC dc_;
};

// An object selected into a device context; the previous one is put back at
// the end. Declare it after the owner of the object it selects, so that the
// object leaves the context before it is deleted.
class Selection {
  public:
    Selection(HDC dc, HGDIOBJ object) noexcept
        : dc_(dc), previous_(object == nullptr ? nullptr : SelectObject(dc, object)) {}
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    ~Selection() {
        if (previous_ != nullptr) {
            SelectObject(dc_, previous_);
        }
    }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

} // namespace base
