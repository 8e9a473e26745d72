#pragma once
// The company library's utilities: reading one value of an executable's version resource,
// text trims that treat the full-width space (U+3000) like a blank, and the report routines
// of its error layer.
#include <cstdint>
#include <exception>
#include <string>

#include "base/Exception.h"

enum class TVersionInfoKey {
    Comments,
    CompanyName,
    FileDescription,
    FileVersion,
    InternalName,
    LegalCopyright,
    LegalTrademarks,
    OriginalFilename,
    PrivateBuild,
    ProductName,
    ProductVersion,
    SpecialBuild,
};

// The key string of a key, in the fixed order of the table.
const wchar_t* VersionInfoKeyString(TVersionInfoKey key);

// The value stored under Key in the string block named by the first translation entry of the
// file's version resource, trimmed; empty when the file has no version resource or the block
// no such value. Raises Exception "情報の取得に失敗しました" when the resource has no
// translation table.
std::wstring GetVersionInfoValue(const std::wstring& fileName, TVersionInfoKey key);

// S without leading and trailing blanks, control characters and full-width spaces.
std::wstring TrimFullWidth(const std::wstring& s);
// Whether TrimFullWidth(s) is empty.
bool IsBlankText(const std::wstring& s);
// Whether text ends with subText, the match starting on a character boundary.
bool EndsWithText(const std::wstring& subText, const std::wstring& text);

// Reports that iMethod was called on iObject's class, which does not implement it: hands an
// ECIncompleteCode to CExceptionMsg. Whatever CExceptionMsg raises passes through.
void ReportNotImplemented(const TObject& iObject, const std::wstring& iMethod);

// Presents iException through gMPObject and returns the presenter's result. Takes ownership of
// iException (which must come from new) and frees it on every way out, unless it is the
// exception that the caller is handling: that one stays alive. Without a presenter it raises
// ECIncompleteCode. iDefault has no effect.
int CExceptionMsg(std::exception* iException, int iOption1, uint8_t iOption2, int iOption3, int iDefault,
                  const std::wstring& iMsg);
