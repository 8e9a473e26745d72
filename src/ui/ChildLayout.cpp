#include "ui/ChildLayout.h"

#include <algorithm>

void TChildLayout::Set(HWND child, TBounds bounds96, unsigned anchors)
{
    if (TEntry* known = Find(child)) {
        known->bounds96 = bounds96;
        known->anchors = anchors;
        known->textDpi = 0;  // its text may be new
    } else {
        entries_.push_back({child, bounds96, anchors});
    }
}

bool TChildLayout::Has(HWND child) const { return Find(child) != nullptr; }

void TChildLayout::Remove(HWND child)
{
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(), [child](const TEntry& e) { return e.child == child; }),
                   entries_.end());
}

std::vector<HWND> TChildLayout::Children() const
{
    std::vector<HWND> children;
    for (const TEntry& entry : entries_) children.push_back(entry.child);
    return children;
}

TBounds TChildLayout::Designed(HWND child) const
{
    const TEntry* known = Find(child);
    return known ? known->bounds96 : TBounds{};
}

unsigned TChildLayout::Anchors(HWND child) const
{
    const TEntry* known = Find(child);
    return known ? known->anchors : kDefaultAnchors;
}

void TChildLayout::SetBold(HWND child, bool bold)
{
    if (TEntry* known = Find(child)) {
        known->bold = bold;
        known->textDpi = 0;
    }
}

bool TChildLayout::Bold(HWND child) const
{
    const TEntry* known = Find(child);
    return known && known->bold;
}

void TChildLayout::SetFitText(HWND child, bool fit)
{
    if (TEntry* known = Find(child)) {
        known->fitText = fit;
        known->textDpi = 0;
    }
}

TBounds TChildLayout::PlaceFor(HWND child, SIZE client96, UINT dpi, const TMeasure& measure)
{
    TEntry* entry = Find(child);
    if (!entry) return {};
    TBounds at = ScaleToDpi(AnchoredBounds(entry->bounds96, entry->anchors, designed96_, client96), dpi);
    if (!entry->fitText) return at;
    // Measured once per text and DPI: a layout runs on every size change.
    if (entry->textDpi != dpi) {
        entry->textSize = measure(child, entry->bold, dpi);
        entry->textDpi = dpi;
    }
    at.Width = entry->textSize.cx;
    at.Height = entry->textSize.cy;
    return at;
}

TChildLayout::TEntry* TChildLayout::Find(HWND child)
{
    auto it = std::find_if(entries_.begin(), entries_.end(), [child](const TEntry& e) { return e.child == child; });
    return it == entries_.end() ? nullptr : &*it;
}

const TChildLayout::TEntry* TChildLayout::Find(HWND child) const
{
    return const_cast<TChildLayout*>(this)->Find(child);
}
