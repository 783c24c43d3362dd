#pragma once
// Classes in this file: CView, a window that shows a document. It joins its
// document's view list when created and leaves it when destroyed; it draws
// through OnDraw on the screen and, page by page, on a printer (OnFilePrint).

#include "COleDropTarget.h"
#include "CWnd.h"

class CDocument;
class CFrameWnd;
class CPrintInfo;

class CView : public CWnd {
    DECLARE_DYNAMIC(CView)
public:
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }

// Overridables
    virtual void OnInitialUpdate();
    // The document changed; by default the view repaints.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    virtual void OnDraw(CDC* pDC) = 0;
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    virtual void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd);
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);

// Drag and drop, through a COleDropTarget registered for the view; by
// default a view takes no drop.
    virtual DROPEFFECT OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual BOOL OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
    virtual DROPEFFECT OnDropEx(COleDataObject* pDataObject, DROPEFFECT dropDefault, DROPEFFECT dropList,
                                CPoint point);
    virtual void OnDragLeave();
    virtual DROPEFFECT OnDragScroll(DWORD dwKeyState, CPoint point);

// Printing
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
    // Finds the printer: the current one without a dialog (m_bDirect), else
    // through the print dialog. FALSE when there is none or the user cancels.
    BOOL DoPreparePrinting(CPrintInfo* pInfo);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PostNcDestroy() override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // The print command (57607, 57608): the whole job, pages from the print
    // information's range.
    afx_msg void OnFilePrint();

protected:
    CView() = default;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg LRESULT OnInitialUpdateMessage(WPARAM wParam, LPARAM lParam);

    CDocument* m_pDocument = nullptr;

    friend class CDocument;

    DECLARE_MESSAGE_MAP()

private:
    BOOL PrintPages(CDC& dcPrint, CPrintInfo& printInfo);
};
