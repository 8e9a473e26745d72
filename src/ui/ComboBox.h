#pragma once
// A drop-down list limited to its own entries, in the order given. Its text is the selected
// entry's, or empty. OnSelectionChange runs whenever the selected entry changes, whether the user
// picks one or the program sets it (unlike a list box's OnUserSelect): what the choose-condition
// dialog asks of its list.
#include <functional>
#include <string>
#include <vector>

#include "ui/Control.h"

class TComboBox : public TControl {
public:
    // The field at left, top and width of place, one text line high; the list drops down
    // rows entries high.
    TComboBox(TControlHost& host, TBounds place, unsigned anchors, int rows = 8);

    int Count() const;
    std::wstring Item(int index) const;
    // Replaces every entry; afterwards nothing is selected.
    void SetItems(const std::vector<std::wstring>& items);
    // The selected entry's index, or -1.
    int ItemIndex() const;
    void SetItemIndex(int index);

    std::function<void()> OnSelectionChange;

    void Command(WORD code) override;
};
