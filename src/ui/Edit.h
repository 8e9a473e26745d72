#pragma once
// A one-line text field.
#include <string>
#include <utility>

#include "ui/Control.h"

class TEdit : public TControl {
public:
    TEdit(TForm& form, TBounds place, unsigned anchors, const std::wstring& text);

    // The most characters the user can enter.
    void SetMaxLength(int length);
    void SelectAll();
    // The selection as first character and length.
    std::pair<int, int> Selection() const;
};
