#pragma once
// An image: an icon drawn at its own size, centred in its place.
#include <windows.h>

#include "base/Handles.h"
#include "ui/Control.h"

class TImage : public TControl {
public:
    TImage(TControlHost& host, TBounds place, unsigned anchors = kDefaultAnchors, int id = 0);
    bool IsInput() const override { return false; }

    // Shows a copy of icon (null: none).
    void SetPicture(HICON icon);
    HICON Picture() const { return picture_.Get(); }
    bool HasPicture() const { return picture_.Valid(); }

private:
    IconHandle picture_;
};
