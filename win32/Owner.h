// The one owner of every Win32 handle kind: it holds one handle, closes it
// exactly once, and can be moved but not copied, so that no handle is closed
// twice or left open on an early return.
//
// Traits says what the kind is:
//   using Handle = ...;                    the handle type
//   static Handle None();                  what an empty owner holds
//   static bool IsNone(Handle h);          every value that means "no handle"
//   void Close(Handle h) (static or not);  gives a held handle back
// A kind whose release needs more than the handle (the window of a window DC,
// the DC of a selection) keeps that in its traits object, which moves along
// with the handle. Standard C++ only, so that it is tested natively.
#pragma once

#include <utility>

template <class Traits>
class Owner : private Traits {  // a base: traits without state take no room
public:
    using Handle = typename Traits::Handle;

    Owner() = default;
    explicit Owner(Handle h, Traits traits = Traits()) : Traits(std::move(traits)), h_(h) {}
    ~Owner() { Close(); }
    Owner(const Owner&) = delete;
    Owner& operator=(const Owner&) = delete;
    Owner(Owner&& other) noexcept : Traits(other.AsTraits()), h_(other.Release()) {}
    Owner& operator=(Owner&& other) noexcept {
        if (this != &other) {
            Close();  // with the traits it was taken with
            AsTraits() = other.AsTraits();
            h_ = other.Release();
        }
        return *this;
    }

    Handle Get() const { return h_; }
    bool Valid() const { return !Traits::IsNone(h_); }

    // Closes what is held, unless it is h itself, and holds h.
    void Reset(Handle h = Traits::None()) {
        if (h != h_)
            Close();
        h_ = h;
    }
    // For the calls that hand out a handle through a pointer: what was held
    // is closed first, so that nothing leaks when an owner is filled twice.
    Handle* Receive() {
        Reset();
        return &h_;
    }
    // Gives the handle up without closing it: the caller owns it now.
    Handle Release() { return std::exchange(h_, Traits::None()); }

private:
    Traits& AsTraits() { return *this; }
    void Close() {
        if (Valid())
            Traits::Close(std::exchange(h_, Traits::None()));
    }

    Handle h_ = Traits::None();
};
