#include "ui/Layout.h"

namespace {

// Where a control's low edge and extent go along one axis when its parent grows from design
// to now.
void Stretch(int& low, int& size, bool anchorLow, bool anchorHigh, int design, int now)
{
    if (anchorHigh) {
        if (anchorLow)
            size += now - design;
        else
            low += now - design;
    } else if (!anchorLow && design > 0) {
        // Neither edge: the centre keeps its fraction of the parent's extent.
        low = MulDiv(low + size / 2, now, design) - size / 2;
    }
}

}  // namespace

TBounds AnchoredBounds(TBounds bounds, unsigned anchors, SIZE designClient, SIZE client)
{
    Stretch(bounds.Left, bounds.Width, anchors & akLeft, anchors & akRight, designClient.cx, client.cx);
    Stretch(bounds.Top, bounds.Height, anchors & akTop, anchors & akBottom, designClient.cy, client.cy);
    return bounds;
}

int ScaleToDpi(int pixels96, UINT dpi) { return MulDiv(pixels96, static_cast<int>(dpi), 96); }

TBounds ScaleToDpi(TBounds bounds96, UINT dpi)
{
    int left = ScaleToDpi(bounds96.Left, dpi);
    int top = ScaleToDpi(bounds96.Top, dpi);
    return {left, top, ScaleToDpi(bounds96.Right(), dpi) - left, ScaleToDpi(bounds96.Bottom(), dpi) - top};
}
