#include "company/CMessageProvider.h"

#include "company/VarnelFunctions.h"

std::wstring TCMessageProvider::Message()
{
    ReportNotImplemented(*this, L"Message");
    return {};
}

std::wstring TCMessageProvider::Message(const TMsgParams&)
{
    ReportNotImplemented(*this, L"Message(iMsgParams)");
    return {};
}

std::wstring TCMessageProvider::Message(std::type_index, const TMsgParams&, int)
{
    ReportNotImplemented(*this, L"Message(iClass, iMsgParams, iSubID)");
    return {};
}

std::wstring TCMessageProvider::Message(const TObject& iObject, const TMsgParams& iMsgParams, int iSubID)
{
    return Message(std::type_index(typeid(iObject)), iMsgParams, iSubID);
}

std::wstring TCMessageProvider::Message(int, const TMsgParams&)
{
    ReportNotImplemented(*this, L"Message(iMsgID, iMsgParams)");
    return {};
}

std::wstring TCMessageProvider::LanguageCode() { return L"JP"; }

std::wstring TCMessageProvider::LanguageName() { return L"日本語"; }
