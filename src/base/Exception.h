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

// A system call that failed: what was being done, and the system's text for its error code (none
// for a call that failed without one).
class EOSError : public Exception {
public:
    EOSError(const std::wstring& what, unsigned long code);
    std::wstring ClassName() const override { return L"EOSError"; }
    unsigned long Code() const { return code_; }

private:
    unsigned long code_;
};

// Raises EOSError for what with the calling thread's last error code, read before anything else
// runs. A message built from parts allocates first, which may change the code: read it with
// GetLastError right after the failed call and raise with RaiseOSError instead.
[[noreturn]] void RaiseLastOSError(const wchar_t* what);
[[noreturn]] void RaiseOSError(unsigned long code, const std::wstring& what);

// The system's text for an error code, in one line, without a closing full stop.
std::wstring SystemErrorText(unsigned long code);

// The text of any exception, for display: our own message, else the runtime's (UTF-8) text.
std::wstring ExceptionText(const std::exception& e);
