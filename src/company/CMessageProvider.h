#pragma once
// The base of message providers: lookups of texts by exception class, object or number, and
// the provider's language. The base implements the language operations and the object form;
// the other lookups report themselves as not implemented.
#include <string>
#include <typeindex>
#include <vector>

#include "base/Exception.h"

using TMsgParams = std::vector<std::wstring>;

class TCMessageProvider : public TObject {
public:
    std::wstring ClassName() const override { return L"TCMessageProvider"; }

    virtual std::wstring Message();
    virtual std::wstring Message(const TMsgParams& iMsgParams);
    virtual std::wstring Message(std::type_index iClass, const TMsgParams& iMsgParams, int iSubID);
    // The class form for the exact class of iObject.
    virtual std::wstring Message(const TObject& iObject, const TMsgParams& iMsgParams, int iSubID);
    virtual std::wstring Message(int iMsgID, const TMsgParams& iMsgParams);
    virtual std::wstring LanguageCode();
    virtual std::wstring LanguageName();
};
