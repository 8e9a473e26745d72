#pragma once
// Where a form's children go: each child's place as designed (96-DPI pixels, for the designed
// client size) and the edges it is anchored to; a child sized to its text takes the size its
// text measures in its own font at the DPI, measured once per text and DPI. Bookkeeping and
// arithmetic only: the form hands it the client size, the DPI and a way to measure text, so it
// is tested without windows.
#include <windows.h>

#include <functional>
#include <vector>

#include "ui/Layout.h"

class TChildLayout {
public:
    // Measures the text of a child in the program's font (bold or regular) at a DPI.
    using TMeasure = std::function<SIZE(HWND child, bool bold, UINT dpi)>;

    explicit TChildLayout(SIZE designed96) : designed96_(designed96) {}

    // Lays child out at bounds96, kept there by anchors. A child already laid out keeps its
    // font and its fit to text; its text is measured anew.
    void Set(HWND child, TBounds bounds96, unsigned anchors);
    bool Has(HWND child) const;
    void Remove(HWND child);
    std::vector<HWND> Children() const;

    // The bounds child is designed at ({} for one not laid out), and its anchors.
    TBounds Designed(HWND child) const;
    unsigned Anchors(HWND child) const;
    // The bold variant of the font for child, or the regular one.
    void SetBold(HWND child, bool bold);
    bool Bold(HWND child) const;
    // Sizes child to its text (its designed place then says only where it stands).
    void SetFitText(HWND child, bool fit);

    // Where child goes in a client area of client96 (96-DPI pixels) at dpi, in pixels at dpi.
    TBounds PlaceFor(HWND child, SIZE client96, UINT dpi, const TMeasure& measure);

private:
    struct TEntry {
        HWND child;
        TBounds bounds96;
        unsigned anchors;
        bool bold = false;
        bool fitText = false;
        SIZE textSize{};  // its text measured at textDpi (0: not yet)
        UINT textDpi = 0;
    };
    TEntry* Find(HWND child);
    const TEntry* Find(HWND child) const;

    SIZE designed96_;
    std::vector<TEntry> entries_;
};
