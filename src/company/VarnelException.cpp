#include "company/VarnelException.h"

#include "base/TextConvert.h"

std::unique_ptr<TCMessageProvider> gExceptionMsgProvider;

void InitializeVarnelException()
{
    if (!gExceptionMsgProvider) gExceptionMsgProvider = std::make_unique<TCMessageProvider_VarnelException>();
}

void FinalizeVarnelException() { gExceptionMsgProvider.reset(); }

namespace {

std::wstring DefaultText(std::type_index iClass) { return gExceptionMsgProvider->Message(iClass, {}, 0); }

}  // namespace

ECException::ECException(const std::wstring& iMsg, int iCode)
    : ECException(std::type_index(typeid(ECException)), iMsg, iCode)
{
}

ECException::ECException() : ECException(std::type_index(typeid(ECException))) {}

ECException::ECException(std::type_index iClass) : Exception(DefaultText(iClass)) {}

ECException::ECException(std::type_index iClass, const std::wstring& iMsg, int iCode)
    : Exception(Trim(iMsg).empty() ? DefaultText(iClass) : iMsg), ErrorCode(iCode), MessageKind(16)
{
}

std::wstring TCMessageProvider_VarnelException::Message(std::type_index iClass, const TMsgParams&, int iSubID)
{
    // Exact classes only: a class the table does not name gets the general text.
    if (iClass == typeid(ECFormNotPermitted)) return L"この画面の利用は許可されていません。";
    if (iClass == typeid(ECPermissionError)) return L"この操作は認可されていません。";
    if (iClass == typeid(ECRecordInsertNotAllowed)) return L"レコードの追加操作は認可されていません。";
    if (iClass == typeid(ECRecordEditNotAllowed)) return L"レコードの編集操作は認可されていません。";
    if (iClass == typeid(ECRecordDeleteNotAllowed)) return L"レコードの削除操作は認可されていません。";
    if (iClass == typeid(ECThisConstructorIsDisabled)) return L"このコンストラクタの呼び出しは禁止されています。";
    if (iClass == typeid(ECIncompleteCode)) {
        if (iSubID == 0) return L"クラスの実装が不完全です";
        if (iSubID == 1) return L"クラス %s メソッド %s の実装が不完全です。";
        return {};  // no text of its own for other sub-IDs
    }
    if (iClass == typeid(ECInternalError)) return L"内部エラーです";
    return L"プログラムの実行中に未定義のエラーが発生しました。";
}
