#include <gtest/gtest.h>

#include <stdexcept>

#include "company/VarnelException.h"
#include "company/VarnelFunctions.h"
#include "company/VarnelGlobalVars.h"
#include "support/TestSupport.h"

namespace {

// A class of the family that the provider's table does not name.
VARNEL_EXCEPTION_CLASS(ECNewPermissionError, ECPermissionError);

const std::wstring kGeneral = L"プログラムの実行中に未定義のエラーが発生しました。";

TEST(VarnelProvider, TextForEveryClassAndSubId)
{
    struct Case {
        std::type_index cls;
        int subId;
        std::wstring text;
    };
    const Case cases[] = {
        {typeid(ECFormNotPermitted), 0, L"この画面の利用は許可されていません。"},
        {typeid(ECPermissionError), 0, L"この操作は認可されていません。"},
        {typeid(ECRecordInsertNotAllowed), 0, L"レコードの追加操作は認可されていません。"},
        {typeid(ECRecordEditNotAllowed), 0, L"レコードの編集操作は認可されていません。"},
        {typeid(ECRecordDeleteNotAllowed), 0, L"レコードの削除操作は認可されていません。"},
        {typeid(ECThisConstructorIsDisabled), 0, L"このコンストラクタの呼び出しは禁止されています。"},
        {typeid(ECIncompleteCode), 0, L"クラスの実装が不完全です"},
        {typeid(ECIncompleteCode), 1, L"クラス %s メソッド %s の実装が不完全です。"},
        {typeid(ECIncompleteCode), 2, L""},
        {typeid(ECIncompleteCode), -1, L""},
        {typeid(ECInternalError), 0, L"内部エラーです"},
        {typeid(ECInternalError), 7, L"内部エラーです"},
        {typeid(ECException), 0, kGeneral},
        {typeid(ECRuntimeError), 0, kGeneral},
        {typeid(ECNewPermissionError), 0, kGeneral},
        {typeid(Exception), 0, kGeneral},
        {typeid(std::runtime_error), 0, kGeneral},
    };
    TCMessageProvider_VarnelException provider;
    for (const auto& c : cases)
        EXPECT_EQ(Narrow(provider.Message(c.cls, {L"a", L"b"}, c.subId)), Narrow(c.text)) << c.cls.name() << " " << c.subId;
}

TEST(VarnelProvider, ObjectFormAndLanguage)
{
    TCMessageProvider_VarnelException provider;
    EXPECT_EQ(Narrow(provider.Message(ECInternalError(), {}, 0)), "内部エラーです");
    EXPECT_EQ(Narrow(provider.Message(ECNewPermissionError(), {}, 0)), Narrow(kGeneral));
    TCMessageProvider base;
    for (TCMessageProvider* p : {static_cast<TCMessageProvider*>(&provider), &base}) {
        EXPECT_EQ(p->LanguageCode(), L"JP");
        EXPECT_EQ(Narrow(p->LanguageName()), "日本語");
    }
}

TEST(ECExceptionFamily, ConstructorsTextsAndFields)
{
    struct Case {
        const char* what;
        ECException made;
        std::wstring message;
        int errorCode;
        int kind;
    };
    const Case cases[] = {
        {"permission, empty message, code 5", ECPermissionError(L"", 5), L"この操作は認可されていません。", 5, 16},
        {"record delete, no arguments", ECRecordDeleteNotAllowed(), L"レコードの削除操作は認可されていません。", 0, 0},
        {"internal, two blanks", ECInternalError(L"  ", 1), L"内部エラーです", 1, 16},
        {"internal, two full-width spaces", ECInternalError(L"\u3000\u3000", 1), L"\u3000\u3000", 1, 16},
        {"runtime, no arguments", ECRuntimeError(), kGeneral, 0, 0},
        {"root, no arguments", ECException(), kGeneral, 0, 0},
        {"incomplete, empty, code 0", ECIncompleteCode(L"", 0), L"クラスの実装が不完全です", 0, 16},
        {"record edit, no arguments", ECRecordEditNotAllowed(), L"レコードの編集操作は認可されていません。", 0, 0},
        {"new class, blank", ECNewPermissionError(L"\t", 3), kGeneral, 3, 16},
        {"message kept untrimmed", ECFormNotPermitted(L" 独自 ", 9), L" 独自 ", 9, 16},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Narrow(c.made.Message()), Narrow(c.message)) << c.what;
        EXPECT_EQ(c.made.ErrorCode, c.errorCode) << c.what;
        EXPECT_EQ(c.made.MessageKind, c.kind) << c.what;
        EXPECT_EQ(c.made.HelpContext(), 0) << c.what;
    }
    EXPECT_EQ(ECRecordInsertNotAllowed().ClassName(), L"ECRecordInsertNotAllowed");
}

// A presenter that records what CExceptionMsg wrote, in order.
class RecordingPresenter : public TCMessagePresenter {
public:
    std::vector<std::wstring>* log;
    explicit RecordingPresenter(std::vector<std::wstring>* l) : log(l) {}
    void SetMessageKind(int v) override { log->push_back(L"kind " + std::to_wstring(v)); }
    void SetText(const std::wstring& v) override { log->push_back(L"text " + v); }
    void SetOption1(int v) override { log->push_back(L"option1 " + std::to_wstring(v)); }
    void SetOption2(uint8_t v) override { log->push_back(L"option2 " + std::to_wstring(v)); }
    std::wstring DefaultText() override { return L"既定"; }
    int Present(const std::exception& e) override
    {
        log->push_back(L"present " + ExceptionText(e) + L" option3 " + std::to_wstring(Option3));
        return 42;
    }
};

// An exception that tells when it is freed.
struct TracedError : ECInternalError {
    bool* freed;
    explicit TracedError(bool* f) : ECInternalError(L"traced", 2), freed(f) {}
    ~TracedError() override { *freed = true; }
};

class Presenting : public testing::Test {
protected:
    void TearDown() override { gMPObject.reset(); }
    std::vector<std::wstring> log_;
};

TEST_F(Presenting, WithoutAPresenterRaisesAndFreesTheException)
{
    bool freed = false;
    try {
        CExceptionMsg(new TracedError(&freed), 1, 2, 3, 4, L"x");
        FAIL() << "no exception";
    } catch (const ECIncompleteCode& e) {
        EXPECT_EQ(Narrow(e.Message()),
                  "CExceptionMsg 関数の動作に必要な gMPObject のインスタンスが初期化されていません");
        EXPECT_EQ(e.MessageKind, 16);
    }
    EXPECT_TRUE(freed);
}

TEST_F(Presenting, WritesThePropertiesInOrderAndReturnsTheResult)
{
    gMPObject = std::make_unique<RecordingPresenter>(&log_);
    bool freed = false;
    EXPECT_EQ(CExceptionMsg(new TracedError(&freed), 7, 8, 9, 123, L"見せる文"), 42);
    EXPECT_EQ(log_, (std::vector<std::wstring>{L"kind 16", L"text 見せる文", L"option1 7", L"option2 8",
                                                L"present traced option3 9"}));
    EXPECT_TRUE(freed);

    log_.clear();
    CExceptionMsg(new std::runtime_error("plain"), 0, 0, 0, 0, L"\u3000 ");
    EXPECT_EQ(log_[0], L"kind 16");
    EXPECT_EQ(log_[1], L"text 既定");
    log_.clear();
    CExceptionMsg(new ECRecordDeleteNotAllowed(), 0, 0, 0, 0, L"");
    EXPECT_EQ(log_[0], L"kind 0");
}

TEST_F(Presenting, TheHandledExceptionStaysAlive)
{
    gMPObject = std::make_unique<RecordingPresenter>(&log_);
    bool freed = false;
    try {
        throw TracedError(&freed);
    } catch (TracedError& handled) {
        CExceptionMsg(&handled, 0, 0, 0, 0, L"");
        EXPECT_FALSE(freed);
        EXPECT_EQ(Narrow(handled.Message()), "traced");
    }
    EXPECT_TRUE(freed);  // by the handler's end
}

TEST_F(Presenting, ReportNotImplementedNamesTheClassAndMethod)
{
    gMPObject = std::make_unique<RecordingPresenter>(&log_);
    TCMessageProvider_VarnelException provider;
    EXPECT_EQ(provider.Message(5, {}), L"");
    ASSERT_EQ(log_.size(), 5u);
    EXPECT_EQ(log_[0], L"kind 16");
    EXPECT_EQ(Narrow(log_[1]), "text 既定");
    EXPECT_EQ(log_[2], L"option1 -1");
    EXPECT_EQ(Narrow(log_[4]),
              "present TCMessageProvider_VarnelException クラスで未実装のメソッド Message(iMsgID, iMsgParams) "
              "が呼び出されました option3 0");
}

TEST_F(Presenting, NotImplementedWithoutAPresenterRaisesTheMissingPresenterText)
{
    TCMessageProvider_VarnelException provider;
    const std::function<void()> calls[] = {
        [&] { provider.Message(); },
        [&] { provider.Message(TMsgParams{L"a"}); },
        [&] { provider.Message(1, {}); },
        [&] { TCMessageProvider().Message(std::type_index(typeid(ECException)), {}, 0); },
    };
    for (const auto& call : calls) {
        try {
            call();
            ADD_FAILURE() << "no exception";
        } catch (const ECIncompleteCode& e) {
            EXPECT_EQ(Narrow(e.Message()),
                      "CExceptionMsg 関数の動作に必要な gMPObject のインスタンスが初期化されていません");
        }
    }
}

}  // namespace
