#pragma once
// Classes in this file: CGRNoteType, the "Note" cell type: a cell whose
// label holds a note shows a red mark in its top right corner, and resting
// the pointer on it shows the note beside the cell.

#include "CGRCellType.h"
#include "CGRNoteTypeEWnd.h"

class CGRNoteType : public CGRCellType {
public:
    CGRNoteType();
    ~CGRNoteType() override;

    static constexpr COLORREF kMarkColor = 0x0000FF;
    static constexpr int kMarkSize = 6;

    LPCTSTR GetName() override;
    const CGRTypeId& GetTypeId() override;
    int OnMouseMove(int nCol, int nRow, CPoint* pPoint, UINT nFlags) override;
    void OnKillFocus(int nCol, int nRow, CGRCell* pCell) override;
    void OnViewMoved(int nCol, int nRow, CGRCell* pCell) override;
    void OnDraw(CDC* pDC, CRect* pRect, int nCol, int nRow, CGRCell* pCell, int nSelected, int nCurrent) override;

    CGRNoteTypeEWnd* GetPopup();

private:
    void HidePopup();
    void StopTimer();
    void ShowPopup(const CRect& cellRect, const CString& sNote);

    CGRNoteTypeEWnd m_popup;
    int m_bPopupCreated = 0;
    UINT_PTR m_nTimer = 0;
    int m_nPopupWidth = 150;
    int m_nPopupHeight = 130;
};
