#include "ui/Exception.h"

#include "ui/TextConvert.h"

Exception::Exception(std::wstring message, int helpContext)
    : message_(std::move(message)), helpContext_(helpContext), utf8_(ToUtf8(message_)) {}

void Exception::SetMessage(std::wstring message)
{
    message_ = std::move(message);
    utf8_ = ToUtf8(message_);
}

std::wstring ExceptionText(const std::exception& e)
{
    if (auto* own = dynamic_cast<const Exception*>(&e)) return own->Message();
    return FromUtf8(e.what());
}
