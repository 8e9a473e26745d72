#pragma once
// The choice of course from the command line's arguments (argument 1 first): the settings
// dialog, the confirm-all dialog, the choose-condition dialog, an immediate cleanup behind the
// progress window alone, or nothing.
#include <string>
#include <vector>

void ChooseCourse(const std::vector<std::wstring>& arguments);
