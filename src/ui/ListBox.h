#pragma once
// A list box of text entries, one line each, in the order given, with at most one selected.
// OnUserSelect runs on each change of the selection by the user, never when the program sets it
// (unlike a drop-down list's OnSelectionChange): the settings dialog re-evaluates its delete
// button itself where it changes the selection.
#include <functional>
#include <string>
#include <vector>

#include "ui/Control.h"

class TListBox : public TControl {
public:
    TListBox(TControlHost& host, TBounds place, unsigned anchors);

    int Count() const;
    std::wstring Item(int index) const;
    std::vector<std::wstring> Items() const;
    // Replaces every entry.
    void SetItems(const std::vector<std::wstring>& items);
    void Add(const std::wstring& item);
    // Removes the selected entry, if any; afterwards nothing is selected.
    void DeleteSelected();
    // The selected entry's index, or -1.
    int ItemIndex() const;
    void SetItemIndex(int index);

    std::function<void()> OnUserSelect;

    void Command(WORD code) override;
};
