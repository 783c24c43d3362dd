#pragma once
// Classes in this file: CGridPageView, the printing of the windows whose
// content is one grid printed whole: the test report, the result and
// correction tables and the multiplot table. One printer page per grid page,
// in the orientation of the window's kind, headed and footed from the
// window's page set-up (the result one unless the window says otherwise);
// editable fields print without their grey. Its page set-up edits that
// record.

#include "PrintableView.h"
#include "ProjectView.h"

class CGRCtrl;
class CPageGrid;
struct CPageSetup;

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
    // The page set-up the window prints with and its page set-up edits.
    virtual CPageSetup& GetPageSetup() const;
    // The weight of the header and footer font (CPageHeaderFooter).
    virtual int GetHeaderWeight() const;
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
