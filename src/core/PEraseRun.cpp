// The cleanup run of TPEraseProcessor: Execute and EraseFolder.
#include <windows.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "base/TextConvert.h"
#include "core/FileOps.h"
#include "core/NameMatch.h"
#include "core/PEraseClasses.h"
#include "core/PEraseWaitDlg.h"
#include "core/RecycleBin.h"
#include "ui/Application.h"

namespace {

struct TMatch {
    std::wstring name;
    DWORD attributes;
    bool folderLink;
    size_t condition;  // position in the visit's working list
};

// One folder on the chain of visits: its subfolders still to visit and its own matches,
// which are removed once every subfolder is finished.
struct TVisit {
    std::wstring prefix;  // the folder with its trailing '\'
    std::wstring final;   // where the file system resolves the folder to, where links hide
    std::vector<std::wstring> subfolders;
    size_t nextSubfolder = 0;
    std::vector<TMatch> matches;
};

// Lets the waiting messages through at the start of every folder and, within one folder, at
// least every kInterval of work: a window that leaves a message waiting for five seconds is shown
// as not responding, and one folder may hold many thousands of matches.
class TTimedPump {
public:
    static constexpr ULONGLONG kInterval = 50;  // milliseconds

    void Now()
    {
        Application().ProcessMessages();
        last_ = GetTickCount64();
    }
    void WhenDue()
    {
        if (GetTickCount64() - last_ >= kInterval) Now();
    }

private:
    ULONGLONG last_ = 0;
};

}  // namespace

void TPEraseProcessor::Execute(const std::wstring& folder)
{
    WaitForm().ShowWait();
    try {
        // A close request to the progress window (as to every window of the program) leaves it
        // in place: the run goes on to its end.
        TCloseLock running(WaitForm());
        EraseFolder(folder);
    } catch (...) {
        WaitForm().HideWait();
        throw;
    }
    WaitForm().HideWait();
}

void TPEraseProcessor::EraseFolder(const std::wstring& folder)
{
    std::wstring folded;  // each name in the matcher's case folding, in one reused buffer
    TTimedPump pump;
    // Opens the visit of one folder and puts it on the chain; a visit that ends at once adds
    // nothing.
    auto begin = [this, &folded, &pump](std::vector<TVisit>& chain, const std::wstring& path, std::wstring finalPath) {
        pump.Now();
        if (path.empty()) return;

        std::vector<std::wstring> working;
        if (UseAllConditions) {
            working = SearchConditions;
        } else if (ConditionIndex >= 0) {
            if (static_cast<size_t>(ConditionIndex) >= SearchConditions.size())
                throw EListError(FormatText(L"リストのインデックスが範囲を超えています (%d)",
                                            {std::to_wstring(ConditionIndex)}));
            working = {SearchConditions[static_cast<size_t>(ConditionIndex)]};
        } else {
            return;
        }
        std::vector<TNameMatcher> matchers(working.begin(), working.end());

        TVisit visit{path.back() == L'\\' ? path : path + L'\\', std::move(finalPath), {}, 0, {}};
        bool recurse = RecurseSubDir;
        ScanFolder(visit.prefix, [&](const WIN32_FIND_DATAW& entry) {
            pump.WhenDue();
            bool isFolder = entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
            bool folderLink = IsFolderLink(entry.dwFileAttributes, entry.dwReserved0);
            if (recurse && isFolder && !folderLink) visit.subfolders.emplace_back(entry.cFileName);
            if (matchers.empty()) return;
            FoldCaseInto(entry.cFileName, folded);
            for (size_t i = 0; i < matchers.size(); ++i) {
                if (matchers[i].Matches(folded)) {
                    visit.matches.push_back({entry.cFileName, entry.dwFileAttributes, folderLink, i});
                    break;
                }
            }
        });
        // Condition by condition, each in enumeration order.
        std::stable_sort(visit.matches.begin(), visit.matches.end(),
                         [](const TMatch& a, const TMatch& b) { return a.condition < b.condition; });
        chain.push_back(std::move(visit));
    };

    std::wstring base = Trim(folder);
    if (base.empty()) base = Trim(TargetFolder);
    // A blank target has no folder: refused, so the root of the current drive is never taken.
    if (base.empty()) return;

    // Where links hide, every entry is checked against where its folder really is; links to
    // folders are never entered, so a subfolder resolves below its parent.
    const bool checkLinks = PlatformHidesFileLinks();
    std::optional<TRecycleBin> bin;  // opened at the first entry recycled
    // Deep trees are walked with a chain of our own instead of the call stack.
    std::vector<TVisit> chain;
    std::wstring top = AbsolutePath(base);
    begin(chain, top, checkLinks ? FinalPath(top) : std::wstring());
    while (!chain.empty()) {
        TVisit& current = chain.back();
        if (current.nextSubfolder < current.subfolders.size()) {
            // Copies: opening the visit grows the chain and may move current.
            std::wstring name = current.subfolders[current.nextSubfolder++];
            std::wstring path = current.prefix + name;
            std::wstring subFinal = current.final.empty() ? std::wstring() : JoinPath(current.final, name);
            begin(chain, path, std::move(subFinal));
            continue;
        }
        for (const TMatch& match : current.matches) {
            pump.WhenDue();
            if (match.folderLink) continue;
            std::wstring path = current.prefix + match.name;
            if (UseRecycleBox) {
                if (IsHiddenLink(path, match.attributes, current.final, match.name)) continue;
                if (!bin) bin.emplace(Application().Handle());
                // One the bin does not take stays, like any entry that cannot be removed; the
                // run goes on without a word.
                [[maybe_unused]] bool recycled = bin->Recycle(path);
            } else {
                DeleteEntry(path, match.attributes, current.final, match.name);
            }
        }
        chain.pop_back();
    }
}
