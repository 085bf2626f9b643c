// The owners of the Win32 handle kinds the setup and its tests use: one
// Owner (win32/Owner.h) per kind, each told by its traits which values mean
// "none" and how the handle is given back.
#pragma once

#include <windows.h>
#include <objbase.h>

#include "win32/Owner.h"

// The kinds whose one "none" is a null handle.
template <typename H>
struct NullMeansNone {
    using Handle = H;
    static Handle None() { return nullptr; }
    static bool IsNone(Handle h) { return h == nullptr; }
};

struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle None() { return nullptr; }
    // CreateFile answers INVALID_HANDLE_VALUE, most others NULL: both mean "none".
    static bool IsNone(Handle h) { return h == nullptr || h == INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { CloseHandle(h); }
};
// A file, process, thread or event.
using KernelHandle = Owner<KernelHandleTraits>;

struct FindHandleTraits {
    using Handle = HANDLE;
    // NULL is never answered by a search, and not "none" either: only this is.
    static Handle None() { return INVALID_HANDLE_VALUE; }
    static bool IsNone(Handle h) { return h == INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { FindClose(h); }
};
// A directory search (FindFirstFile).
using FindHandle = Owner<FindHandleTraits>;

struct BoundaryDescriptorTraits : NullMeansNone<HANDLE> {
    static void Close(Handle h) { DeleteBoundaryDescriptor(h); }
};
// Which processes may make a private namespace of a name (CreateBoundaryDescriptor).
using BoundaryDescriptor = Owner<BoundaryDescriptorTraits>;

struct PrivateNamespaceTraits : NullMeansNone<HANDLE> {
    static void Close(Handle h) { ClosePrivateNamespace(h, 0); }
};
// A private namespace made or opened by the process. It lasts while any
// process holds it, and with it the names of the objects made in it.
using PrivateNamespace = Owner<PrivateNamespaceTraits>;

struct RegKeyTraits : NullMeansNone<HKEY> {
    static void Close(Handle h) { RegCloseKey(h); }
};
// An open registry key (RegOpenKeyEx, RegCreateKeyEx).
using RegKey = Owner<RegKeyTraits>;

template <typename T>
struct GdiObjectTraits : NullMeansNone<T> {
    static void Close(T h) { DeleteObject(h); }
};
// A font, brush or bitmap made by the program.
template <typename T>
using GdiObject = Owner<GdiObjectTraits<T>>;

struct IconTraits : NullMeansNone<HICON> {
    static void Close(Handle h) { DestroyIcon(h); }
};
// An icon made by the program (CreateIconIndirect, LoadImage without LR_SHARED).
using IconHandle = Owner<IconTraits>;

template <typename T>
struct CoTaskMemTraits : NullMeansNone<T*> {
    static void Close(T* h) { CoTaskMemFree(h); }
};
// Memory the shell hands out with the COM allocator (paths, item ID lists).
template <typename T>
using CoTaskMem = Owner<CoTaskMemTraits<T>>;

struct MemoryDcTraits : NullMeansNone<HDC> {
    static void Close(Handle h) { DeleteDC(h); }
};
// A device context of the program's own (CreateCompatibleDC).
using MemoryDc = Owner<MemoryDcTraits>;

// The device context of a window, given back to that window.
struct WindowDcTraits : NullMeansNone<HDC> {
    HWND window = nullptr;
    void Close(Handle h) const { ReleaseDC(window, h); }
};
using WindowDc = Owner<WindowDcTraits>;

// The client area of window, or the whole screen for no window.
inline WindowDc DcOfWindow(HWND window) {
    return WindowDc(GetDC(window), WindowDcTraits{{}, window});
}

// The device context of one WM_PAINT, ended with the paint's own record.
struct PaintDcTraits : NullMeansNone<HDC> {
    HWND window = nullptr;
    PAINTSTRUCT paint{};
    void Close(Handle) const { EndPaint(window, &paint); }
};
using PaintDc = Owner<PaintDcTraits>;

inline PaintDc BeginPainting(HWND window) {
    PaintDcTraits traits{{}, window, {}};
    HDC dc = BeginPaint(window, &traits.paint);
    return PaintDc(dc, traits);
}

// An object selected into a device context: the handle held is the object it
// replaced, which goes back in at the end, so that the context is handed back
// (or deleted) with what it came with, never with one of ours inside.
struct SelectionTraits : NullMeansNone<HGDIOBJ> {
    HDC dc = nullptr;
    void Close(Handle h) const { SelectObject(dc, h); }
};
using Selection = Owner<SelectionTraits>;

// Selects object into dc for the owner's life; no object selects nothing.
inline Selection SelectInto(HDC dc, HGDIOBJ object) {
    return Selection(object ? SelectObject(dc, object) : nullptr, SelectionTraits{{}, dc});
}

// For a scope that selects several objects of one kind in turn (OBJ_FONT...):
// the one dc has now goes back at its end.
inline Selection KeepSelected(HDC dc, UINT kind) {
    return Selection(GetCurrentObject(dc, kind), SelectionTraits{{}, dc});
}
