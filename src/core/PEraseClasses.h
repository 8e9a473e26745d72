#pragma once
// The cleanup processor: the conditions, the stored options, the choices for the coming run,
// and the run itself. The process has one, reached through EraseProcessor().
#include <cstddef>
#include <string>

#include "core/ListText.h"

class TPEraseProcessor {
public:
    // Reads the settings file beside the executable.
    TPEraseProcessor();
    // Reads the given settings file instead.
    explicit TPEraseProcessor(std::wstring settingsFileName);
    virtual ~TPEraseProcessor();
    TPEraseProcessor(const TPEraseProcessor&) = delete;
    TPEraseProcessor& operator=(const TPEraseProcessor&) = delete;

    void LoadSettings();
    void SaveSettings();

    void SetRecurseSubDir(bool value);
    void SetUseAllConditions(bool value);
    void SetTargetFolder(std::wstring value);
    // Selects the first condition equal to text when letter case is ignored, or none (-1).
    void SelectCondition(const std::wstring& text);

    // Cleans folder (or TargetFolder when folder is blank) behind the progress window, which
    // is hidden again however the run ends.
    void Execute(const std::wstring& folder);
    // Cleans folder and, when RecurseSubDir is on, every folder below it, deepest first.
    void EraseFolder(const std::wstring& folder);

    bool RecurseSubDir = false;
    TStringList SearchConditions;
    bool UseAllConditions = false;
    std::wstring TargetFolder;
    int ConditionIndex = 0;
    std::wstring SettingsFileName;
    bool UseRecycleBox = false;
    bool NoInquiryBox = false;
    // How many matches the last run left in place because their removal was refused.
    size_t MatchesLeft = 0;
};

// The process's processor, constructed (and so the settings read) on the first call.
TPEraseProcessor& EraseProcessor();
// The process's processor where one has been made, else null: reads no settings file.
TPEraseProcessor* ExistingEraseProcessor();
// Frees the processor at program end; nothing is saved.
void FinalizeEraseProcessor();

// The settings file of an executable: its folder, then ".\PEConfig.ini".
std::wstring SettingsPathFor(const std::wstring& executablePath);
