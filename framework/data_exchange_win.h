// Field exchange between a dialog's controls and its fields. One pass either
// loads every field into its control or reads every control into its field;
// a read that fails (not a number, out of range) shows the standard prompt
// at once, puts the focus on the control with its text selected, and ends
// the pass: the fields before it are already stored, the ones after are not.
#pragma once

#include <windows.h>

#include <string>

namespace dravolt {

class CWindow;

class CDataExchange {
public:
    CDataExchange(HWND dialog, bool save) : dialog_(dialog), save_(save) {}

    HWND Dialog() const { return dialog_; }
    bool Saving() const { return save_; }
    // True once a field failed; every later exchange does nothing.
    bool Failed() const { return failed_; }
    bool Active() const { return !failed_; }

    // The control the next range check refers to.
    void SetLastControl(int id) { lastControl_ = id; }
    int LastControl() const { return lastControl_; }
    // Shows `prompt`, focuses the last control and ends the pass.
    void Fail(const std::wstring& prompt);

private:
    HWND dialog_;  // not owned
    bool save_;
    bool failed_ = false;
    int lastControl_ = 0;
};

void ExchangeText(CDataExchange& exchange, int id, std::wstring& value);
// Numbers in the field format; reading accepts only a decimal number.
void ExchangeFloat(CDataExchange& exchange, int id, float& value);
void ExchangeDouble(CDataExchange& exchange, int id, double& value);
// Checks, when reading, the value of the field exchanged just before.
void ValidateRange(CDataExchange& exchange, float value, float minimum, float maximum);
void ValidateRange(CDataExchange& exchange, double value, double minimum, double maximum);
// The index of the checked radio button of the group that starts at
// `firstId` (-1 when none is checked).
void ExchangeRadio(CDataExchange& exchange, int firstId, int& index);
// BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
void ExchangeCheck(CDataExchange& exchange, int id, int& state);
// Binds `control` to the dialog's control `id` the first time.
void ExchangeControl(CDataExchange& exchange, int id, CWindow& control);

}  // namespace dravolt
