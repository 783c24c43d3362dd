#pragma once
// Classes in this file: CGridPageView, the printing of the windows whose
// content is one page grid: the test report and the result and correction
// tables. One printer page per grid page, in the orientation of the window's
// kind, headed and footed from the result page set-up; editable fields print
// without their grey. Its page set-up edits the result page set-up.

#include "PrintableView.h"
#include "ProjectView.h"

class CGRCtrl;
class CPageGrid;

class CGridPageView : public CProjectView, public CPrintableView {
    DECLARE_DYNAMIC(CGridPageView)
public:
    BOOL PrintJob(BOOL bShowPrintDialog) override;

// Printing
    BOOL m_bShowPrintDialog = TRUE;  // FALSE: print on the printer chosen last
    BOOL m_bPrintPrepared = TRUE;    // FALSE when the last print dialog was cancelled
    int m_nPrintPages = 0;           // the highest page the print dialog offers

protected:
    CGridPageView() = default;

    // The grid that is printed; null while the window has none.
    virtual CGRCtrl* GetPrintedGrid() const = 0;
    // The grid whose editable fields lose their grey on paper; null for none.
    virtual CPageGrid* GetHighlightedGrid() const = 0;
    // DMORIENT_PORTRAIT or DMORIENT_LANDSCAPE.
    virtual short GetPrintOrientation() const { return DMORIENT_PORTRAIT; }
    // Prints one grid page on the printer.
    virtual void PrintGridPage(CDC* pDC, UINT nPage);

    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;

    afx_msg void OnPageSetup();
    DECLARE_MESSAGE_MAP()

private:
    int PaginateGrid(CDC* pDC);
    void SetEditableHighlight(BOOL bOn) const;
};
