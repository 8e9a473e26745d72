#pragma once
// The choice of course from the command line's arguments (argument 1 first): the settings
// dialog, the confirm-all dialog, the choose-condition dialog, an immediate cleanup behind the
// progress window alone, or nothing.
#include <functional>
#include <string>
#include <vector>

#include "core/PEraseClasses.h"

// How the program ends, for whoever started it (a script, "start /wait").
// Every match went, or there was no run.
constexpr int kExitDone = 0;
// At least one match stayed: in use, read-only, refused by the recycle bin or by the system.
constexpr int kExitMatchesLeft = 1;
// It could not start, or its course failed with an error (which it showed).
constexpr int kExitFailed = 2;

// The exit code of a course that ended without an error: what its run left behind.
int CourseExitCode();

// processor: where the processor comes from, asked only by a course that needs it (the first
// asking reads the settings file); the process's own by default.
void ChooseCourse(const std::vector<std::wstring>& arguments,
                  const std::function<TPEraseProcessor&()>& processor = EraseProcessor);
