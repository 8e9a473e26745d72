#pragma once
// A read-only memo: lines of text on the button face, with a vertical scroll bar; not a tab stop.
#include "ui/Control.h"

class TMemo : public TControl {
public:
    TMemo(TControlHost& host, TBounds place, unsigned anchors = kDefaultAnchors, int id = 0);
};
