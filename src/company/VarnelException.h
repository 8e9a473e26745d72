#pragma once
// The company library's exception classes. An exception made without a message takes the
// default text that gExceptionMsgProvider holds for its exact class.
#include <memory>
#include <string>
#include <typeindex>

#include "base/Exception.h"
#include "company/CMessageProvider.h"

class ECException : public Exception {
public:
    // A blank iMsg (only codes 0 to 32) takes the default text; ErrorCode = iCode, MessageKind 16.
    ECException(const std::wstring& iMsg, int iCode);
    // The default text; ErrorCode and MessageKind 0.
    ECException();
    std::wstring ClassName() const override { return L"ECException"; }

    int ErrorCode = 0;
    int MessageKind = 0;

protected:
    // The constructors of a derived class name that class, whose default text is looked up.
    explicit ECException(std::type_index iClass);
    ECException(std::type_index iClass, const std::wstring& iMsg, int iCode);
};

// Declares an exception class of the family: both constructors, naming its own class.
#define VARNEL_EXCEPTION_CLASS(Name, Base)                                                         \
    class Name : public Base {                                                                     \
    public:                                                                                        \
        Name() : Base(std::type_index(typeid(Name))) {}                                           \
        Name(const std::wstring& iMsg, int iCode) : Base(std::type_index(typeid(Name)), iMsg, iCode) {} \
        std::wstring ClassName() const override { return L## #Name; }                             \
                                                                                                   \
    protected:                                                                                     \
        explicit Name(std::type_index iClass) : Base(iClass) {}                                   \
        Name(std::type_index iClass, const std::wstring& iMsg, int iCode) : Base(iClass, iMsg, iCode) {} \
    }

VARNEL_EXCEPTION_CLASS(ECPermissionError, ECException);
VARNEL_EXCEPTION_CLASS(ECRecordInsertNotAllowed, ECPermissionError);
VARNEL_EXCEPTION_CLASS(ECRecordEditNotAllowed, ECPermissionError);
VARNEL_EXCEPTION_CLASS(ECRecordDeleteNotAllowed, ECPermissionError);
VARNEL_EXCEPTION_CLASS(ECIncompleteCode, ECException);
VARNEL_EXCEPTION_CLASS(ECThisConstructorIsDisabled, ECIncompleteCode);
VARNEL_EXCEPTION_CLASS(ECInternalError, ECException);
VARNEL_EXCEPTION_CLASS(ECRuntimeError, ECException);
VARNEL_EXCEPTION_CLASS(ECFormNotPermitted, ECRuntimeError);

// The provider of the exception classes' texts.
class TCMessageProvider_VarnelException : public TCMessageProvider {
public:
    using TCMessageProvider::Message;
    std::wstring ClassName() const override { return L"TCMessageProvider_VarnelException"; }
    std::wstring Message(std::type_index iClass, const TMsgParams& iMsgParams, int iSubID) override;
};

// The provider the exception constructors ask; created at start-up, freed at shutdown.
extern std::unique_ptr<TCMessageProvider> gExceptionMsgProvider;

void InitializeVarnelException();
void FinalizeVarnelException();
