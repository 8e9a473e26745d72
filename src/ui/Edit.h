#pragma once
// A one-line text field.
#include <string>

#include "ui/Control.h"

class TEdit : public TControl {
public:
    TEdit(TControlHost& host, TBounds place, unsigned anchors, const std::wstring& text);

    // The most characters the user can enter.
    void SetMaxLength(int length);
    void SelectAll();
};
