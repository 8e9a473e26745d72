#pragma once
// TCLabel: the toolkit's label with an optional one-pixel frame drawn over the caption, an
// optional hook that hands messages 1024 to 33791 to a handler instead of the label's own
// handling, and a free-form _DomainName that it only stores.
#include <functional>
#include <string>

#include "ui/Label.h"

enum class TBorderStyle { bsNone, bsSingle };

// A handler bound to an object: the message by reference (it may set the result) and the label.
using TCCustomMsgProc = std::function<void(TMessage& iMsg, TObject* Sender)>;

class TCLabel : public TLabel {
public:
    TCLabel(TForm& owner, HWND parent, int left96, int top96, const std::wstring& caption);
    std::wstring ClassName() const override { return L"TCLabel"; }

    bool EvokeCustomMsgProc() const { return evokeCustomMsgProc_; }
    void SetEvokeCustomMsgProc(bool value);
    const TCCustomMsgProc& CustomMsgProc() const { return customMsgProc_; }
    void SetCustomMsgProc(TCCustomMsgProc value);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);
    COLORREF BorderColor() const { return borderColor_; }
    void SetBorderColor(COLORREF value);
    const std::wstring& _DomainName() const { return domainName_; }
    void Set_DomainName(const std::wstring& value);

    void Loaded() override;
    void Paint(HDC canvas) override;

    // The hook's window procedure.
    virtual void CustomWndProc(TMessage& message);
    // Chooses the label's window procedure; does nothing while any component state is set.
    virtual void UpdateWndProc();

private:
    bool evokeCustomMsgProc_ = false;
    TCCustomMsgProc customMsgProc_;
    TBorderStyle borderStyle_ = TBorderStyle::bsNone;
    COLORREF borderColor_ = 0;
    std::wstring domainName_;
};
