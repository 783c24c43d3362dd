#pragma once
// Classes in this file: CGRDataSource, the interface through which a grid
// column stores its cells. Besides storage a data source has a say in moves
// and edits: the control asks it before it asks its own notifications.
// The defaults do nothing: -1 for storage a source does not implement, and
// consent for moves and edits.

#include "afx.h"

class CGRCell;
class CGRCtrlCore;
class CWnd;

class CGRDataSource {
public:
    virtual ~CGRDataSource() = default;

// Storage
    virtual int GetLastRow();
    virtual int InsertRow(int nRow);
    virtual int AppendCol();
    virtual int InsertCol(int nCol);
    virtual int DeleteRow(int nRow);
    virtual int DeleteCol(int nCol);
    virtual int DeleteCell(int nCol, int nRow);
    virtual int Empty();
    virtual int GetCell(int nCol, int nRow, CGRCell* pCell);
    virtual int SetCell(int nCol, int nRow, CGRCell* pCell);
    virtual int FindFirst(LPCTSTR lpszText, int* pnCol, int* pnRow, long lFlags);
    virtual int FindNext(LPCTSTR lpszText, int* pnCol, int* pnRow, long lFlags);
    virtual int SortBy(int* pnCols, int nCount, int nFlags);
    virtual int SortByCol(int nCol, int nFlags);

// Moves and edits
    virtual int OnHitBottom(int nRows, int nRowsPast, int* pnRowsAdded);
    virtual void OnRowChange(int nOldRow, int nNewRow);
    virtual void OnColChange(int nOldCol, int nNewCol);
    virtual int OnCanMove(int nCol, int nRow, int nNewCol, int nNewRow);
    virtual int OnEditStart(int nCol, int nRow, CWnd** ppEdit);
    virtual int OnEditVerify(int nCol, int nRow, CWnd* pEdit, UINT* pnKey);
    virtual int OnEditFinish(int nCol, int nRow, CWnd* pEdit, LPCTSTR lpszText, BOOL bCancelled);
    virtual int OnEditContinue(int nCol, int nRow, int* pnNewCol, int* pnNewRow);

// Drawing
    virtual int GetPrevNonBlankCol(int* pnCol, int nRow);

// Registration
    void SetID(int nID);
    int GetID() const;
    void SetCtrl(CGRCtrlCore* pCtrl);
    CGRCtrlCore* GetCtrl() const;

protected:
    CGRCtrlCore* m_pCtrl = nullptr;
    int m_nID = -1;
};
