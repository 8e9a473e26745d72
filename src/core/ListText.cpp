#include "core/ListText.h"

namespace {

bool IsBlank(wchar_t c) { return c >= 1 && c <= 32; }

bool NeedsQuotes(const std::wstring& item, wchar_t delimiter)
{
    for (wchar_t c : item)
        if (IsBlank(c) || c == kListQuote || c == delimiter) return true;
    return false;
}

std::wstring Quoted(const std::wstring& item)
{
    std::wstring out(1, kListQuote);
    for (wchar_t c : item) {
        out += c;
        if (c == kListQuote) out += kListQuote;
    }
    out += kListQuote;
    return out;
}

// Reads a quoted item starting at the opening quote; a doubled quote stands for one. An item
// whose closing quote is missing runs to the end of the text, all of it kept.
std::wstring ReadQuoted(std::wstring_view text, size_t& pos)
{
    std::wstring item;
    ++pos;
    while (pos < text.size()) {
        wchar_t c = text[pos++];
        if (c != kListQuote) {
            item += c;
        } else if (pos < text.size() && text[pos] == kListQuote) {
            item += kListQuote;
            ++pos;
        } else {
            break;
        }
    }
    return item;
}

void SkipBlanks(std::wstring_view text, size_t& pos)
{
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
}

}  // namespace

std::wstring ListToText(const TStringList& items, wchar_t delimiter)
{
    if (items.size() == 1 && items[0].empty()) return std::wstring(2, kListQuote);
    std::wstring text;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += delimiter;
        text += NeedsQuotes(items[i], delimiter) ? Quoted(items[i]) : items[i];
    }
    return text;
}

TStringList TextToList(std::wstring_view text, wchar_t delimiter)
{
    // A NUL ends the text, as it ends the stored value.
    text = text.substr(0, text.find(L'\0'));
    TStringList items;
    size_t pos = 0;
    SkipBlanks(text, pos);
    while (pos < text.size()) {
        if (text[pos] == kListQuote) {
            items.push_back(ReadQuoted(text, pos));
        } else {
            size_t start = pos;
            while (pos < text.size() && text[pos] > 32 && text[pos] != delimiter) ++pos;
            items.emplace_back(text.substr(start, pos - start));
        }
        SkipBlanks(text, pos);
        if (pos < text.size() && text[pos] == delimiter) {
            if (pos + 1 == text.size()) items.emplace_back();
            ++pos;
            SkipBlanks(text, pos);
        }
    }
    return items;
}
