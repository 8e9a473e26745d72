#pragma once
// What the program's dialogs share: their push buttons, and the two sequences that both
// cleanup dialogs run (the cleanup itself, and a visit to the settings dialog).
#include <functional>
#include <memory>

#include "ui/Button.h"
#include "ui/Form.h"

// A push button of the program's dialogs: blue caption, click handler.
std::unique_ptr<TButton> DialogButton(TForm& form, TBounds place, unsigned anchors, const wchar_t* caption,
                                      std::function<void()> onClick);

// Cleans the folder named second on the command line, taken unchanged, with the conditions the
// processor has been told to use, behind the progress window. Requests to close form wait.
void CleanCommandLineFolder(TForm& form);

// Shows the settings dialog, owned by owner, in its modal role. Afterwards, also when showing
// it failed (the failure is shown), reload runs and the settings dialog is released.
void VisitSettings(TForm& owner, const std::function<void()>& reload);
