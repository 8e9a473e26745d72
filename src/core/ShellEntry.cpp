#include "core/ShellEntry.h"

#include "core/Paths.h"

namespace {

// The item's name in the given form, or the empty text.
std::wstring DisplayName(IShellItem& item, SIGDN form)
{
    TCoTaskString name;
    return SUCCEEDED(item.GetDisplayName(form, name.Put())) ? name.Text() : std::wstring();
}

// Whether the shell's item is the entry at path.
bool IsItemAt(IShellItem& item, const std::wstring& path) { return SamePath(DisplayName(item, SIGDN_FILESYSPATH), path); }

// The item the shell parses path (under MAX_PATH) into, when that item is this path.
TComPtr<IShellItem> ParsedItem(const TShellNaming& naming, const std::wstring& path)
{
    TComPtr<IShellItem> item = naming.Parse(path);
    return item && IsItemAt(*item, path) ? std::move(item) : nullptr;
}

// The child of parent named name, when the shell makes exactly that child.
TComPtr<IShellItem> ChildItem(const TShellNaming& naming, IShellItem& parent, const std::wstring& name)
{
    TComPtr<IShellItem> child = naming.Child(parent, name);
    if (!child) return nullptr;
    TComPtr<IShellItem> itsParent;
    if (FAILED(child->GetParent(itsParent.Put()))) return nullptr;
    int order = 1;
    bool sameParent = SUCCEEDED(itsParent->Compare(&parent, SICHINT_CANONICAL, &order)) && order == 0;
    return sameParent && SamePath(DisplayName(*child, SIGDN_PARENTRELATIVEPARSING), name) ? std::move(child) : nullptr;
}

// The item of a path too long to parse, from the folder that ends at cut (which must parse as
// itself) one exact name at a time; null where a step fails.
TComPtr<IShellItem> ItemByNames(const TShellNaming& naming, const std::wstring& path, size_t cut)
{
    TComPtr<IShellItem> item = ParsedItem(naming, path.substr(0, cut));
    for (size_t start = cut + 1; item && start <= path.size();) {
        size_t end = std::min(path.find(L'\\', start), path.size());
        item = ChildItem(naming, *item, path.substr(start, end - start));
        start = end + 1;
    }
    return item;
}

// The short form of a long path, when that brings it under MAX_PATH and out of the "\\?\" form;
// otherwise the empty text. A short name is another name of the same entry.
std::wstring ShortForm(const std::wstring& path)
{
    std::wstring longForm = ApiPath(path);
    std::wstring shortForm(longForm.size() + 1, L'\0');
    DWORD got = GetShortPathNameW(longForm.c_str(), shortForm.data(), static_cast<DWORD>(shortForm.size()));
    if (got == 0 || got >= shortForm.size()) return {};
    shortForm.resize(got);
    if (shortForm.rfind(L"\\\\?\\", 0) == 0) shortForm.erase(0, 4);
    if (shortForm.size() >= MAX_PATH || shortForm.rfind(L"UNC\\", 0) == 0) return {};
    return shortForm;
}

}  // namespace

bool Win32NamesExactly(const std::wstring& path)
{
    // Long paths keep the ends of their names through the full-path call, but not through the
    // shell: asked apart.
    if (WithoutNameEnds(path) != path) return false;
    std::wstring full(path.size() + 1, L'\0');
    DWORD got = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    return got == path.size() && full.compare(0, got, path) == 0;
}

const TShellNaming& PlatformShellNaming()
{
    static const TShellNaming naming{
        [](const std::wstring& path) {
            TComPtr<IShellItem> item;
            if (FAILED(SHCreateItemFromParsingName(path.c_str(), nullptr, IID_PPV_ARGS(item.Put())))) item.Reset();
            return item;
        },
        [](IShellItem& parent, const std::wstring& name) {
            TComPtr<IShellItem> item;
            if (FAILED(SHCreateItemFromRelativeName(&parent, name.c_str(), nullptr, IID_PPV_ARGS(item.Put()))))
                item.Reset();
            return item;
        },
    };
    return naming;
}

TComPtr<IShellItem> ExactShellItem(const std::wstring& path, const TShellNaming& naming)
{
    if (!Win32NamesExactly(path)) return nullptr;
    if (path.size() < MAX_PATH) return ParsedItem(naming, path);
    // Too long to parse: from the longest folder above it that parses, each shorter one in turn.
    // However it was reached, the item must be the entry itself.
    for (size_t cut = path.find_last_of(L'\\', MAX_PATH - 1); cut != std::wstring::npos && cut >= 3;
         cut = path.find_last_of(L'\\', cut - 1)) {
        TComPtr<IShellItem> item = ItemByNames(naming, path, cut);
        if (item) return IsItemAt(*item, path) ? std::move(item) : nullptr;
    }
    return nullptr;
}

std::wstring ExactShellPath(const std::wstring& path)
{
    if (!Win32NamesExactly(path)) return {};
    if (path.size() < MAX_PATH) return path;
    // Where the short form is missing (a volume without short names), the path as it is: a call
    // that cannot take it fails, and the entry stays.
    std::wstring shortForm = ShortForm(path);
    return !shortForm.empty() && Win32NamesExactly(shortForm) ? shortForm : path;
}
