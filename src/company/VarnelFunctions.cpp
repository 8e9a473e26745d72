#include "company/VarnelFunctions.h"

#include <windows.h>

#include <cstring>
#include <cwchar>
#include <vector>

#include "base/Exception.h"
#include "base/TextConvert.h"
#include "company/VarnelException.h"
#include "company/VarnelGlobalVars.h"

#include <memory>

namespace {

constexpr wchar_t kFullWidthSpace = L'\u3000';

const wchar_t* const kKeyStrings[] = {
    L"Comments",     L"CompanyName",    L"FileDescription", L"FileVersion",
    L"InternalName", L"LegalCopyright", L"LegalTrademarks", L"OriginalFilename",
    L"PrivateBuild", L"ProductName",    L"ProductVersion",  L"SpecialBuild",
};

}  // namespace

const wchar_t* VersionInfoKeyString(TVersionInfoKey key) { return kKeyStrings[static_cast<int>(key)]; }

std::wstring GetVersionInfoValue(const std::wstring& fileName, TVersionInfoKey key)
{
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(fileName.c_str(), &handle);
    if (size == 0) return {};
    std::vector<BYTE> buffer(size);
    // A resource that cannot be read counts as none: nothing is read from an unfilled buffer.
    if (!GetFileVersionInfoW(fileName.c_str(), 0, size, buffer.data())) return {};

    void* table = nullptr;
    UINT tableLength = 0;
    if (!VerQueryValueW(buffer.data(), L"\\VarFileInfo\\Translation", &table, &tableLength) || tableLength == 0)
        throw Exception(L"情報の取得に失敗しました");
    DWORD first = 0;
    std::memcpy(&first, table, sizeof(first));
    wchar_t path[128];
    swprintf(path, 128, L"\\StringFileInfo\\%04X%04X\\%ls", static_cast<unsigned>(LOWORD(first)),
             static_cast<unsigned>(HIWORD(first)), VersionInfoKeyString(key));

    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(buffer.data(), path, &value, &length) || length == 0) return {};
    const auto* text = static_cast<const wchar_t*>(value);
    std::wstring result(text, wcsnlen(text, length));
    return Trim(result);
}

bool EndsWithText(const std::wstring& subText, const std::wstring& text)
{
    if (text.size() < subText.size()) return false;
    size_t start = text.size() - subText.size();
    // A match may not begin inside a surrogate pair.
    if (start > 0 && start < text.size() && IS_LOW_SURROGATE(text[start]) && IS_HIGH_SURROGATE(text[start - 1]))
        return false;
    if (subText.empty()) return true;
    return CompareStringW(LOCALE_USER_DEFAULT, 0, text.c_str() + start, static_cast<int>(subText.size()),
                          subText.c_str(), static_cast<int>(subText.size())) == CSTR_EQUAL;
}

std::wstring TrimFullWidth(const std::wstring& s)
{
    const std::wstring space(1, kFullWidthSpace);
    std::wstring r = Trim(s);
    while (!r.empty() && r.front() == kFullWidthSpace) r = Trim(r.substr(1));
    while (EndsWithText(space, r)) r = Trim(r.substr(0, r.size() - 1));
    return r;
}

bool IsBlankText(const std::wstring& s) { return TrimFullWidth(s).empty(); }

void ReportNotImplemented(const TObject& iObject, const std::wstring& iMethod)
{
    std::wstring text = FormatText(L"%s クラスで未実装のメソッド %s が呼び出されました", {iObject.ClassName(), iMethod});
    CExceptionMsg(new ECIncompleteCode(text, 0), -1, 0, 0, 0, L"");
}

namespace {

// The exception the caller is handling right now, or null outside any handler.
const std::exception* HandledException()
{
    std::exception_ptr current = std::current_exception();
    if (!current) return nullptr;
    try {
        std::rethrow_exception(current);
    } catch (const std::exception& e) {
        return &e;
    } catch (...) {
    }
    return nullptr;
}

}  // namespace

int CExceptionMsg(std::exception* iException, int iOption1, uint8_t iOption2, int iOption3, int /*iDefault*/,
                  const std::wstring& iMsg)
{
    // Owns iException unless it is the handled one, which its handler frees.
    std::unique_ptr<std::exception> owned(iException == HandledException() ? nullptr : iException);
    if (!gMPObject)
        throw ECIncompleteCode(L"CExceptionMsg 関数の動作に必要な gMPObject のインスタンスが初期化されていません", 0);
    auto* family = dynamic_cast<const ECException*>(iException);
    gMPObject->SetMessageKind(family ? family->MessageKind : 16);
    gMPObject->SetText(IsBlankText(iMsg) ? gMPObject->DefaultText() : iMsg);
    gMPObject->SetOption1(iOption1);
    gMPObject->SetOption2(iOption2);
    gMPObject->Option3 = iOption3;
    return gMPObject->Present(*iException);
}
