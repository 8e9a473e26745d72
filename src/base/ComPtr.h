#pragma once
// Owners of what COM hands out: a reference to an object, released exactly once, and a text
// allocated with CoTaskMemAlloc, freed exactly once. Both are filled in one step by the call that
// makes them: IID_PPV_ARGS(item.Put()), item->GetDisplayName(form, name.Put()).
#include <objbase.h>

#include <cstddef>
#include <string>
#include <utility>

template <typename Interface>
class TComPtr {
public:
    TComPtr() = default;
    TComPtr(std::nullptr_t) {}
    // Takes over a reference the caller holds.
    explicit TComPtr(Interface* owned) : object_(owned) {}
    ~TComPtr() { Reset(); }
    TComPtr(const TComPtr&) = delete;
    TComPtr& operator=(const TComPtr&) = delete;
    TComPtr(TComPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    TComPtr& operator=(TComPtr&& other) noexcept
    {
        if (this != &other) {
            Reset();
            object_ = std::exchange(other.object_, nullptr);
        }
        return *this;
    }

    Interface* Get() const { return object_; }
    Interface* operator->() const { return object_; }
    Interface& operator*() const { return *object_; }
    explicit operator bool() const { return object_ != nullptr; }

    // Releases what it holds and hands out the empty slot for a call to fill.
    Interface** Put()
    {
        Reset();
        return &object_;
    }
    void Reset()
    {
        if (object_) std::exchange(object_, nullptr)->Release();
    }

private:
    Interface* object_ = nullptr;
};

// A text that COM allocated (a display name, a path), freed with CoTaskMemFree.
class TCoTaskString {
public:
    TCoTaskString() = default;
    ~TCoTaskString() { CoTaskMemFree(text_); }
    TCoTaskString(const TCoTaskString&) = delete;
    TCoTaskString& operator=(const TCoTaskString&) = delete;

    const wchar_t* Get() const { return text_; }
    // The text, or the empty text where there is none.
    std::wstring Text() const { return text_ ? std::wstring(text_) : std::wstring(); }
    // Frees what it holds and hands out the empty slot for a call to fill.
    wchar_t** Put()
    {
        CoTaskMemFree(std::exchange(text_, nullptr));
        return &text_;
    }

private:
    wchar_t* text_ = nullptr;
};
