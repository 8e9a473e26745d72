#pragma once
// The program's exception root: a message text and a help context, as every error the
// application shows carries. Texts are UTF-16; what() gives UTF-8 for diagnostics only.
#include <exception>
#include <string>

// The root of the program's polymorphic objects that can name their class.
class TObject {
public:
    virtual ~TObject() = default;
    virtual std::wstring ClassName() const = 0;
};

class Exception : public std::exception, public TObject {
public:
    explicit Exception(std::wstring message, int helpContext = 0);
    ~Exception() override = default;

    const std::wstring& Message() const { return message_; }
    void SetMessage(std::wstring message);
    int HelpContext() const { return helpContext_; }
    std::wstring ClassName() const override { return L"Exception"; }

    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    std::wstring message_;
    int helpContext_;
    std::string utf8_;
};

// A list position outside the list.
class EListError : public Exception {
public:
    using Exception::Exception;
    std::wstring ClassName() const override { return L"EListError"; }
};

// A text that does not convert to the value asked for.
class EConvertError : public Exception {
public:
    using Exception::Exception;
    std::wstring ClassName() const override { return L"EConvertError"; }
};

// A settings file that cannot be written.
class EIniFileException : public Exception {
public:
    using Exception::Exception;
    std::wstring ClassName() const override { return L"EIniFileException"; }
};

// The text of any exception, for display: our own message, else the runtime's (UTF-8) text.
std::wstring ExceptionText(const std::exception& e);
