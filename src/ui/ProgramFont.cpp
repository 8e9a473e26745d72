#include "ui/ProgramFont.h"

#include "ui/Layout.h"

HFONT CreateProgramFont(UINT dpi, bool bold)
{
    return CreateFontW(-ScaleToDpi(12, dpi), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                       SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, L"ＭＳ Ｐゴシック");
}

TProgramFonts::TProgramFonts(UINT dpi)
    : Dpi(dpi), Regular(CreateProgramFont(dpi)), Bold(CreateProgramFont(dpi, true))
{
}
