#include "ui/StaticText.h"

#include "ui/TextMeasure.h"

HWND CreateLabel(TForm& form, HWND parent, const std::wstring& caption, int left96, int top96, unsigned anchors)
{
    SIZE size = MeasureCaption(caption);
    HWND label = form.AddControl(L"STATIC", caption, WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, parent,
                                 {left96, top96, size.cx, size.cy}, anchors);
    form.FitToText(label);
    return label;
}

void SetLabelCaption(TForm& form, HWND label, const std::wstring& caption, bool bold)
{
    SetWindowTextW(label, caption.c_str());
    TBounds at = form.ControlBounds(label);
    SIZE size = MeasureCaption(caption, bold);
    form.MoveControl(label, {at.Left, at.Top, size.cx, size.cy});
}
