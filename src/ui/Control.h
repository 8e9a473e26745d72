#pragma once
// A child control of a form: the form lays it out and hands it the notifications that its
// parent receives for it (by control id). Every message to the control passes through WndProc
// first, so a control class can add to the platform control's own handling.
#include <windows.h>

#include <initializer_list>
#include <string>

#include "ui/Form.h"

class TControl {
public:
    // Creates the platform control className as a child of form at place; id 0 takes the
    // form's next free id.
    TControl(TForm& form, const wchar_t* className, const std::wstring& text, DWORD style, DWORD exStyle,
             TBounds place, unsigned anchors, int id = 0);
    virtual ~TControl();
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    HWND Handle() const { return handle_; }
    int Id() const { return id_; }
    TForm& Form() const { return form_; }

    bool Enabled() const;
    void SetEnabled(bool value);
    bool Visible() const;
    void SetVisible(bool value);
    std::wstring Text() const;
    void SetText(const std::wstring& text);
    void SetFocus();
    bool Focused() const;

    // A WM_COMMAND notification its parent received for it.
    virtual void Command(WORD /*code*/) {}
    // A WM_NOTIFY notification its parent received for it; true when handled, with result.
    virtual bool Notify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }

protected:
    // Gives the control another id (the cancel role's IDCANCEL, for instance).
    void ChangeId(int id);
    // A message to the control; the default passes it on to the platform control.
    virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self);

    TForm& form_;
    HWND handle_;
    int id_;
};

// Enables or disables several controls.
void SetEnabled(std::initializer_list<TControl*> controls, bool value);
