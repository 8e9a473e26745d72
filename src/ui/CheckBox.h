#pragma once
// A check box with a caption; OnClick runs on each change by the user (mouse, Space, access
// key), never when the program sets the state.
#include <functional>
#include <string>

#include "ui/Control.h"

class TCheckBox : public TControl {
public:
    TCheckBox(TControlHost& host, TBounds place, unsigned anchors, const std::wstring& caption);

    bool Checked() const;
    void SetChecked(bool value);

    std::function<void()> OnClick;

    void Command(WORD code) override;
};

// The height of a check box of one text line, in 96-DPI pixels.
constexpr int kCheckBoxHeight = 17;
