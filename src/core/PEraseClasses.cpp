#include "core/PEraseClasses.h"

#include <windows.h>

#include <memory>

#include "base/ExePath.h"
#include "base/IntText.h"
#include "base/TextConvert.h"
#include "core/ProfileFile.h"

namespace {

constexpr wchar_t kSection[] = L"Config";
constexpr wchar_t kSearchCondition[] = L"SearchCondition";
constexpr wchar_t kRecurseSubDir[] = L"RecurseSubDir";
constexpr wchar_t kUseRecycleBox[] = L"UseRecycleBox";
constexpr wchar_t kNoInquiryBox[] = L"NoInquiryBox";
constexpr wchar_t kDefaultConditions[] = L"*.~*;.#*.*";

std::unique_ptr<TPEraseProcessor> gEraseProcessor;

// A stored flag: any number but 0 is on; anything that is not a number is off.
bool ReadFlag(const TProfileFile& file, const wchar_t* key)
{
    std::optional<int32_t> number = ParseInt(file.ReadString(kSection, key, L""));
    return number.value_or(0) != 0;
}

void WriteFlag(TProfileFile& file, const wchar_t* key, bool value)
{
    file.WriteString(kSection, key, value ? L"1" : L"0");
}

}  // namespace

std::wstring SettingsPathFor(const std::wstring& executablePath)
{
    size_t cut = executablePath.find_last_of(L"\\:");
    std::wstring folder = cut == std::wstring::npos ? std::wstring() : executablePath.substr(0, cut + 1);
    if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
    return folder + L".\\PEConfig.ini";
}

TPEraseProcessor::TPEraseProcessor() : TPEraseProcessor(SettingsPathFor(ExecutablePath())) {}

TPEraseProcessor::TPEraseProcessor(std::wstring settingsFileName) : SettingsFileName(std::move(settingsFileName))
{
    LoadSettings();
}

TPEraseProcessor::~TPEraseProcessor() = default;

void TPEraseProcessor::LoadSettings()
{
    TProfileFile file(SettingsFileName);
    SearchConditions = TextToList(file.ReadStoredString(kSection, kSearchCondition, kDefaultConditions));
    RecurseSubDir = ReadFlag(file, kRecurseSubDir);
    UseRecycleBox = ReadFlag(file, kUseRecycleBox);
    NoInquiryBox = ReadFlag(file, kNoInquiryBox);
}

void TPEraseProcessor::SaveSettings()
{
    TProfileFile file(SettingsFileName);
    file.WriteString(kSection, kSearchCondition, ListToText(SearchConditions));
    WriteFlag(file, kRecurseSubDir, RecurseSubDir);
    WriteFlag(file, kUseRecycleBox, UseRecycleBox);
    WriteFlag(file, kNoInquiryBox, NoInquiryBox);
}

void TPEraseProcessor::SetRecurseSubDir(bool value) { RecurseSubDir = value; }

void TPEraseProcessor::SetUseAllConditions(bool value) { UseAllConditions = value; }

void TPEraseProcessor::SetTargetFolder(std::wstring value) { TargetFolder = std::move(value); }

void TPEraseProcessor::SelectCondition(const std::wstring& text)
{
    ConditionIndex = -1;
    for (size_t i = 0; i < SearchConditions.size(); ++i) {
        if (SameText(SearchConditions[i], text)) {
            ConditionIndex = static_cast<int>(i);
            break;
        }
    }
    UseAllConditions = false;
}

TPEraseProcessor& EraseProcessor()
{
    if (!gEraseProcessor) gEraseProcessor = std::make_unique<TPEraseProcessor>();
    return *gEraseProcessor;
}

TPEraseProcessor* ExistingEraseProcessor() { return gEraseProcessor.get(); }

void FinalizeEraseProcessor() { gEraseProcessor.reset(); }
