#pragma once
// Classes in this file: CGREditBase, what the grid's in-cell edit windows
// share: the keys that end an edit, move it on to a neighbour or cancel it,
// the check of every typed character by the data source and the control,
// and the end of the edit when the window loses the focus.
//
// An edit always ends through the loss of focus: a key that ends it stores
// where editing goes on and gives the focus to the control.

#include "afxwin.h"

class CGRCtrl;

class CGREditBase : public CEdit {
public:
    CGREditBase() = default;
    explicit CGREditBase(CGRCtrl* pCtrl);

    void SetCtrl(CGRCtrl* pCtrl);
    UINT GetLastKey() const;
    // Hides the window without ending the edit a second time.
    void HideQuietly();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Offers a character to the data source's and the control's check; FALSE
    // when either refuses it. Either may change it.
    BOOL VerifyChar(UINT* pnChar);
    void ContinueAt(int nCol, int nRow);
    void Cancel();
    void SelectAll();
    // The cell being edited (a heading cell is never current); the current
    // cell while the control edits none.
    void GetEditedCell(int& nCol, int& nRow) const;

    CGRCtrl* m_pCtrl = nullptr;
    int m_nNextCol = 0;
    int m_nNextRow = 0;
    int m_bCancel = 0;
    int m_bContinue = 0;
    UINT m_nLastKey = 0;

private:
    int m_bEnding = 0;
    void TakeParentAsCtrl();
    LRESULT OnEditKeyDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnEditChar(WPARAM wParam, LPARAM lParam);
    void OnEditKillFocus(HWND hNewFocus);
    BOOL IsInsideCtrl(HWND hWnd) const;
};
