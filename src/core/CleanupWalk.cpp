#include "core/CleanupWalk.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "base/Exception.h"
#include "base/TextConvert.h"
#include "core/FolderScan.h"
#include "core/LinkGuard.h"
#include "core/NameMatch.h"
#include "core/PEraseClasses.h"
#include "core/Paths.h"
#include "core/Remover.h"

namespace {

struct TMatch {
    std::wstring Name;
    DWORD Attributes;
    bool FolderLink;
    bool Gone = false;
    bool Refused = false;  // a removal it was handed left it in place
};

// One folder on the chain of visits: its subfolders still to visit and its own matches, which
// are removed once every subfolder is finished.
struct TVisit {
    std::wstring Prefix;    // the folder with its trailing '\'
    std::wstring Resolved;  // where the file system resolves the folder to, for the link guard
    std::vector<std::wstring> Subfolders;
    size_t NextSubfolder = 0;
    std::vector<TMatch> Matches;
    // Each condition that matched each entry: (condition, match), condition by condition and, for
    // each, in enumeration order.
    std::vector<std::pair<size_t, size_t>> Tries;
};

// Lets the waiting messages through at the start of a folder and between its entries, whenever
// kInterval has passed since the last time: the windows answer as often as a person can notice
// (a window that leaves a message waiting for five seconds is shown as not responding, and one
// folder may hold many thousands of matches), while a tree of many small folders does not pay for
// a look at the queue in every one (under Wine it polls the display, 50 us each time).
class TTimedPump {
public:
    static constexpr ULONGLONG kInterval = 16;  // milliseconds: a frame of the screen

    explicit TTimedPump(const std::function<void()>& letThrough) : letThrough_(letThrough) {}
    void WhenDue()
    {
        ULONGLONG now = GetTickCount64();
        if (now - last_ < kInterval) return;
        if (letThrough_) letThrough_();
        last_ = GetTickCount64();
    }

private:
    const std::function<void()>& letThrough_;
    ULONGLONG last_ = 0;
};

class TCleanupWalk {
public:
    TCleanupWalk(const TPEraseProcessor& processor, const TWalkContext& context)
        : processor_(processor), context_(context), pump_(context.LetMessagesThrough)
    {
    }

    // How many matches the run left in place; see WalkAndClean.
    size_t Run(const std::wstring& folder)
    {
        // The folder named and no other: "proj." is never read as its sibling "proj". A blank
        // target has no folder: refused, so the root of the current drive is never taken.
        std::wstring top = TargetFolderPath(Trim(folder).empty() ? processor_.TargetFolder : folder);
        if (top.empty()) return 0;
        // Links to folders are never entered, so a subfolder resolves below its parent.
        Visit(top, context_.GuardLinks ? FinalPath(top) : std::wstring());
        // Deep trees are walked with a chain of our own instead of the call stack.
        while (!chain_.empty()) {
            TVisit& current = chain_.back();
            if (current.NextSubfolder < current.Subfolders.size()) {
                // Copies: a visit grows the chain and may move current.
                std::wstring name = current.Subfolders[current.NextSubfolder++];
                std::wstring resolved = current.Resolved.empty() ? std::wstring() : JoinPath(current.Resolved, name);
                Visit(current.Prefix + name, std::move(resolved));
                continue;
            }
            RemoveMatches(current);
            chain_.pop_back();
        }
        return left_;
    }

private:
    // The start of a folder's visit: messages let through, the working list, the scan. The visit
    // goes on the chain unless it ends at once.
    void Visit(const std::wstring& path, std::wstring resolved)
    {
        pump_.WhenDue();
        std::optional<std::vector<std::wstring>> working = WorkingList();
        if (!working) return;
        TVisit visit{path.back() == L'\\' ? path : path + L'\\', std::move(resolved)};
        Scan(visit, std::vector<TNameMatcher>(working->begin(), working->end()));
        chain_.push_back(std::move(visit));
    }

    // The working list: a copy of every condition, or of the selected one; none selected ends the
    // visit.
    std::optional<std::vector<std::wstring>> WorkingList() const
    {
        if (processor_.UseAllConditions) return processor_.SearchConditions;
        int index = processor_.ConditionIndex;
        if (index < 0) return std::nullopt;
        if (static_cast<size_t>(index) >= processor_.SearchConditions.size())
            throw EListError(FormatText(L"リストのインデックスが範囲を超えています (%d)", {std::to_wstring(index)}));
        return std::vector<std::wstring>{processor_.SearchConditions[static_cast<size_t>(index)]};
    }

    // The scan, one enumeration of the folder: its subfolders to visit (links to folders never),
    // and for each entry every condition that matches it.
    void Scan(TVisit& visit, const std::vector<TNameMatcher>& matchers)
    {
        bool recurse = processor_.RecurseSubDir;
        ScanFolder(visit.Prefix, [&](const WIN32_FIND_DATAW& entry) {
            pump_.WhenDue();
            bool isFolder = entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
            bool folderLink = IsFolderLink(entry.dwFileAttributes, entry.dwReserved0);
            if (recurse && isFolder && !folderLink) visit.Subfolders.emplace_back(entry.cFileName);
            if (matchers.empty()) return;
            FoldCaseInto(entry.cFileName, folded_);
            bool matched = false;
            for (size_t i = 0; i < matchers.size(); ++i) {
                if (!matchers[i].Matches(folded_)) continue;
                if (!matched) visit.Matches.push_back({entry.cFileName, entry.dwFileAttributes, folderLink});
                matched = true;
                visit.Tries.emplace_back(i, visit.Matches.size() - 1);
            }
        });
        std::stable_sort(visit.Tries.begin(), visit.Tries.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
    }

    // The removal, once the subfolders are done: condition by condition, each in enumeration
    // order, every match that has not gone yet is removed; one that cannot be is tried again by
    // every later condition that matches it. A link to a folder is never handed to a removal.
    void RemoveMatches(TVisit& visit)
    {
        for (const auto& [condition, index] : visit.Tries) {
            TMatch& match = visit.Matches[index];
            if (match.Gone || match.FolderLink) continue;
            pump_.WhenDue();
            TMatchedEntry entry{visit.Prefix + match.Name, match.Name, match.Attributes, visit.Resolved};
            bool recycle = processor_.UseRecycleBox;
            match.Gone = recycle ? context_.Remover.Recycle(entry) : context_.Remover.Delete(entry);
            // Deleting outright leaves a matching folder in place, as it is meant to.
            bool folder = match.Attributes & FILE_ATTRIBUTE_DIRECTORY;
            match.Refused = match.Refused || (!match.Gone && (recycle || !folder));
        }
        for (const TMatch& match : visit.Matches) left_ += match.Refused && !match.Gone ? 1 : 0;
    }

    const TPEraseProcessor& processor_;
    const TWalkContext& context_;
    TTimedPump pump_;
    std::vector<TVisit> chain_;
    size_t left_ = 0;
    std::wstring folded_;  // each name in the matcher's case folding, in one reused buffer
};

}  // namespace

size_t WalkAndClean(const TPEraseProcessor& processor, const std::wstring& folder, const TWalkContext& context)
{
    return TCleanupWalk(processor, context).Run(folder);
}
