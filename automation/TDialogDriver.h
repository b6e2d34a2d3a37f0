// TDialogDriver: acts inside a modal dialog as a cataloguer would.
//
// Make a driver, queue steps, then run the dialog's DoModal. A thread hook sees
// the dialog finish WM_INITDIALOG; from then on each step runs from a timer
// of the dialog's own modal loop, one step a tick, so everything a step posted
// or typed has been handled before the next step starts. If the dialog is
// still open after the last step, the driver ends it with kDriverEnded.
#pragma once

#include <windows.h>
#include <functional>
#include <string>
#include <vector>

class TDialogDriver
{
public:
    static constexpr int kDriverEnded = 0x7D7D;

    TDialogDriver();
    ~TDialogDriver();
    TDialogDriver(const TDialogDriver&) = delete;
    TDialogDriver& operator=(const TDialogDriver&) = delete;

    TDialogDriver& qrxThen(std::function<void(HWND hDlg)> fnStep);
    // Every step ran.
    bool qtFinished() const { return mdwNextStep == mxSteps.size() && mtStarted; }

    // Input, as a person gives it.
    // Opens the drop-down, moves to row iRow with the arrow keys and presses
    // Enter: the combo box sends its own notifications.
    static void qvChooseComboRow(HWND hCombo, int iRow);
    // WM_CHAR for each character, to the control that would have the focus.
    static void qvType(HWND hEdit, const std::wstring& rxText);
    // A click on a push button (BM_CLICK).
    static void qvClick(HWND hButton);
    // Posts key presses to the focused window through the modal loop, so the
    // dialog's accelerators and dialog keys see them. With tShift (tCtrl) the
    // key is pressed with Shift (Ctrl) held.
    static void qvPressKey(UINT nVirtualKey, bool tShift = false, bool tCtrl = false);

    // Reading state.
    static std::wstring qxGetText(HWND hWnd);
    static int qiGetCurSel(HWND hCombo);
    static std::wstring qxGetComboText(HWND hCombo, int iRow);
    // The row of a list whose label is rxCode or begins with rxCode and " - "
    // ("a - Language material" for a); -1 when there is none.
    static int qiFindComboRow(HWND hCombo, const std::wstring& rxCode);

private:
    static LRESULT CALLBACK qhCallWndRetHook(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK qvOnTimer(HWND, UINT, UINT_PTR idEvent, DWORD);
    void qvRunNextStep();

    std::vector<std::function<void(HWND)>> mxSteps;
    size_t mdwNextStep;
    bool mtStarted;
    HWND mhDialog;
    HHOOK mhHook;
    UINT_PTR mdwTimer;
};
