#pragma once
// Owners for Win32 handles: one owner per handle, not copyable, movable, and
// released exactly once. Each kind keeps a live count, so a test can show that
// a long session gave back everything it took (Wine's own counters are stubs).

#include <windows.h>

#include <utility>

enum class HandleKind { Kernel, Find, GdiObject, MemoryDc, WindowDc, Window, Accelerators, KindCount };

long LiveHandles(HandleKind kind);
void CountHandleOpened(HandleKind kind);
void CountHandleClosed(HandleKind kind);

template <typename Traits>
class UniqueHandle {
public:
    using Type = typename Traits::Type;

    UniqueHandle() = default;
    explicit UniqueHandle(Type handle) { Reset(handle); }
    ~UniqueHandle() { Reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    // Moving hands the one handle over: it stays counted once.
    UniqueHandle(UniqueHandle&& other) noexcept
        : handle_(std::exchange(other.handle_, Traits::Invalid())) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, Traits::Invalid());
        }
        return *this;
    }

    // Releases the held handle, then takes the new one.
    void Reset(Type handle = Traits::Invalid()) {
        if (Traits::IsValid(handle_)) {
            Traits::Close(handle_);
            CountHandleClosed(Traits::kKind);
        }
        handle_ = handle;
        if (Traits::IsValid(handle_)) CountHandleOpened(Traits::kKind);
    }

    // Gives up ownership without closing.
    Type Release() {
        if (Traits::IsValid(handle_)) CountHandleClosed(Traits::kKind);
        return std::exchange(handle_, Traits::Invalid());
    }

    Type Get() const { return handle_; }
    explicit operator bool() const { return Traits::IsValid(handle_); }

private:
    Type handle_ = Traits::Invalid();
};

struct KernelHandleTraits {
    using Type = HANDLE;
    static constexpr HandleKind kKind = HandleKind::Kernel;
    static Type Invalid() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(Type h) { CloseHandle(h); }
};

struct FindHandleTraits {
    using Type = HANDLE;
    static constexpr HandleKind kKind = HandleKind::Find;
    static Type Invalid() { return INVALID_HANDLE_VALUE; }
    static bool IsValid(Type h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(Type h) { FindClose(h); }
};

template <typename T>
struct GdiObjectTraits {
    using Type = T;
    static constexpr HandleKind kKind = HandleKind::GdiObject;
    static Type Invalid() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr; }
    static void Close(Type h) { DeleteObject(h); }
};

struct MemoryDcTraits {
    using Type = HDC;
    static constexpr HandleKind kKind = HandleKind::MemoryDc;
    static Type Invalid() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr; }
    static void Close(Type h) { DeleteDC(h); }
};

struct WindowTraits {
    using Type = HWND;
    static constexpr HandleKind kKind = HandleKind::Window;
    static Type Invalid() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr; }
    static void Close(Type h) { DestroyWindow(h); }
};

struct AcceleratorTraits {
    using Type = HACCEL;
    static constexpr HandleKind kKind = HandleKind::Accelerators;
    static Type Invalid() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr; }
    static void Close(Type h) { DestroyAcceleratorTable(h); }
};

using KernelHandle = UniqueHandle<KernelHandleTraits>;
using FindHandle = UniqueHandle<FindHandleTraits>;
using MemoryDc = UniqueHandle<MemoryDcTraits>;
using OwnedWindow = UniqueHandle<WindowTraits>;
using OwnedAccelerators = UniqueHandle<AcceleratorTraits>;
template <typename T>
using GdiObject = UniqueHandle<GdiObjectTraits<T>>;
using OwnedBitmap = GdiObject<HBITMAP>;
using OwnedFont = GdiObject<HFONT>;
using OwnedPen = GdiObject<HPEN>;
using OwnedBrush = GdiObject<HBRUSH>;

// A window's device context from GetDC (no window: the screen), given back
// with ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {
        if (dc_) CountHandleOpened(HandleKind::WindowDc);
    }
    ~WindowDc() {
        if (dc_) {
            ReleaseDC(window_, dc_);
            CountHandleClosed(HandleKind::WindowDc);
        }
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// The device context of one WM_PAINT, from BeginPaint, ended with EndPaint.
// Counted with the window DCs.
class PaintDc {
public:
    explicit PaintDc(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {
        if (dc_) CountHandleOpened(HandleKind::WindowDc);
    }
    ~PaintDc() {
        if (dc_) {
            EndPaint(window_, &paint_);
            CountHandleClosed(HandleKind::WindowDc);
        }
    }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;

    HDC Get() const { return dc_; }
    const RECT& Area() const { return paint_.rcPaint; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// Selects an object into a device context and puts the previous one back.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() {
        if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};
