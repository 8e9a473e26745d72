#include "core/ProfileFile.h"

#include <windows.h>

#include <string_view>

#include "base/CodePage.h"
#include "base/Exception.h"
#include "base/GrowingBuffer.h"
#include "base/Handles.h"
#include "base/TextConvert.h"

namespace {

// The profile reader's usual buffer (a value of up to 2047 characters) as the first one.
constexpr DWORD kProfileBufferSize = 2048;

bool IsProfileBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == 0x1A; }

std::wstring_view TrimBlanks(std::wstring_view s)
{
    while (!s.empty() && IsProfileBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsProfileBlank(s.back())) s.remove_suffix(1);
    return s;
}

// The raw value of key in a section listing ("key=value\0key=value\0"), untouched by the
// quote stripping of the single-value reader; empty when the key is not there.
std::wstring_view RawValue(std::wstring_view listing, std::wstring_view key)
{
    size_t pos = 0;
    while (pos < listing.size()) {
        size_t end = listing.find(L'\0', pos);
        if (end == std::wstring_view::npos) end = listing.size();
        std::wstring_view line = listing.substr(pos, end - pos);
        pos = end + 1;
        size_t eq = line.find(L'=');
        if (eq == std::wstring_view::npos) continue;
        std::wstring_view name = TrimBlanks(line.substr(0, eq));
        if (CompareStringOrdinal(name.data(), static_cast<int>(name.size()), key.data(),
                                 static_cast<int>(key.size()), TRUE) == CSTR_EQUAL)
            return TrimBlanks(line.substr(eq + 1));
    }
    return {};
}

bool IsQuotePair(std::wstring_view raw, std::wstring_view stripped)
{
    return raw.size() == stripped.size() + 2 && (raw.front() == L'"' || raw.front() == L'\'') &&
           raw.back() == raw.front() && raw.substr(1, stripped.size()) == stripped;
}

}  // namespace

TProfileFile::TProfileFile(std::wstring fileName) : fileName_(std::move(fileName)) {}

TProfileFile::~TProfileFile()
{
    // Flush the platform's cached copy of the file.
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, fileName_.c_str());
}

std::wstring TProfileFile::ReadString(const std::wstring& section, const std::wstring& key,
                                      const std::wstring& defaultValue) const
{
    // A value that does not fit is cut one short of the buffer's size.
    return CallWithGrowingBuffer(
        [&](wchar_t* buffer, DWORD size) {
            return GetPrivateProfileStringW(section.c_str(), key.c_str(), defaultValue.c_str(), buffer, size,
                                            fileName_.c_str());
        },
        1, kProfileBufferSize);
}

std::wstring TProfileFile::ReadStoredString(const std::wstring& section, const std::wstring& key,
                                            const std::wstring& defaultValue) const
{
    std::wstring value = ReadString(section, key, defaultValue);
    // The single-value reader drops one pair of quotes around a whole value; the section
    // listing keeps them, so take the value from there when that is what happened.
    // A section that does not fit is cut two short of the buffer's size.
    std::wstring listing = CallWithGrowingBuffer(
        [&](wchar_t* buffer, DWORD size) {
            return GetPrivateProfileSectionW(section.c_str(), buffer, size, fileName_.c_str());
        },
        2, kProfileBufferSize);
    std::wstring_view raw = RawValue(listing, key);
    if (IsQuotePair(raw, value)) return std::wstring(raw);
    return value;
}

// Whether the platform keeps the file as UTF-16: on Windows only a file that starts with FF FE
// (UTF-16 LE). One saved as UTF-8 with a mark or as UTF-16 BE is read and written there as ANSI,
// though Wine takes all three as Unicode.
bool TProfileFile::StoresUnicode() const
{
    FileHandle file(CreateFileW(fileName_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    unsigned char head[2]{};
    DWORD got = 0;
    return ReadFile(file.Get(), head, sizeof(head), &got, nullptr) && got == 2 && head[0] == 0xFF && head[1] == 0xFE;
}

void TProfileFile::WriteString(const std::wstring& section, const std::wstring& key, const std::wstring& value)
{
    if (!StoresUnicode()) {
        std::wstring bad = FirstCharacterOutside(value, GetACP());
        if (!bad.empty())
            throw EIniFileException(FormatText(L"\"%s\" は設定ファイルに保存できない文字のため、%s に書き込めません",
                                               {bad, fileName_}));
    }
    if (!WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), fileName_.c_str()))
        throw EIniFileException(FormatText(L"%s に書き込めません", {fileName_}));
}
