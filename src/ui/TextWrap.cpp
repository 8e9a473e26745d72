#include "ui/TextWrap.h"

namespace {

// How many leading characters of text fit width in dc's font: at least one character, and
// never half of a surrogate pair.
size_t FittingLength(HDC dc, std::wstring_view text, int width)
{
    int fit = 0;
    SIZE size{};
    GetTextExtentExPointW(dc, text.data(), static_cast<int>(text.size()), width, &fit, nullptr, &size);
    auto count = static_cast<size_t>(fit);
    if (count >= text.size()) return text.size();
    if (count > 0 && IS_HIGH_SURROGATE(text[count - 1])) --count;
    if (count == 0) count = IS_HIGH_SURROGATE(text[0]) && text.size() > 1 ? 2 : 1;
    return count;
}

void WrapParagraph(HDC dc, std::wstring_view paragraph, int width, std::vector<std::wstring>& lines)
{
    if (paragraph.empty()) {
        lines.emplace_back();
        return;
    }
    while (!paragraph.empty()) {
        size_t fit = FittingLength(dc, paragraph, width);
        if (fit == paragraph.size()) {
            lines.emplace_back(paragraph);
            return;
        }
        size_t blank = paragraph.substr(0, fit + 1).find_last_of(L' ');
        if (blank != std::wstring_view::npos && blank > 0) {
            lines.emplace_back(paragraph.substr(0, blank));
            paragraph.remove_prefix(blank + 1);
        } else {
            lines.emplace_back(paragraph.substr(0, fit));
            paragraph.remove_prefix(fit);
        }
    }
}

}  // namespace

std::vector<std::wstring> WrapText(HDC dc, std::wstring_view text, int width)
{
    std::vector<std::wstring> lines;
    for (;;) {
        size_t end = text.find_first_of(L"\r\n");
        WrapParagraph(dc, text.substr(0, end), width, lines);
        if (end == std::wstring_view::npos) return lines;
        size_t next = end + (text.compare(end, 2, L"\r\n") == 0 ? 2 : 1);
        text.remove_prefix(next);
    }
}
