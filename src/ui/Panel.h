#pragma once
// A panel: a child area on the button face, framed by an outer and an inner bevel of one
// pixel each. Static children are drawn in the window-text colour on the button face.
#include "ui/Form.h"
#include "ui/Window.h"

enum class TBevel { None, Lowered, Raised };

class TPanel : public TWindow {
public:
    TPanel(TForm& form, HWND parent, TBounds bounds96, TBevel outer, TBevel inner);

    // The area inside the bevels, in the panel's client coordinates.
    RECT InnerRect() const;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc) const;

    TBevel outer_;
    TBevel inner_;
};
