#pragma once
// Classes in this file: CStatusBar, the bar at a frame's foot over the
// system's status control: one pane per indicator id, the first (a
// separator) stretched for the frame's prompts, the others as wide as their
// text (the key indicators CAP, NUM, SCRL). At idle each pane asks its
// command's update handler whether it shows.

#include "CControlBar.h"

#include <vector>

// Pane styles: how a pane draws, whether it shows its text and whether it
// takes the width left over.
#define SBPS_NORMAL 0x0000
#define SBPS_NOBORDERS SBT_NOBORDERS
#define SBPS_POPOUT SBT_POPOUT
#define SBPS_OWNERDRAW SBT_OWNERDRAW
#define SBPS_DISABLED 0x04000000
#define SBPS_STRETCH 0x08000000

class CStatusBar : public CControlBar {
    DECLARE_DYNAMIC(CStatusBar)
public:
    CStatusBar();

// Creation
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                UINT nID = AFX_IDW_STATUS_BAR);
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = 0, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                  UINT nID = AFX_IDW_STATUS_BAR);
    // One pane per id; an id other than ID_SEPARATOR takes its text from the
    // string table. FALSE when a text is missing (its pane stays empty).
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

// Attributes
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;
    void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
    UINT GetPaneStyle(int nIndex) const;
    void SetPaneStyle(int nIndex, UINT nStyle);
    CString GetPaneText(int nIndex) const;
    // Without bUpdate the pane is only marked and shows its text at the
    // next UpdateAllPanes(…, TRUE).
    BOOL SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate = TRUE);

// Overridables
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    // bUpdateRects: hands the pane widths to the control (the stretched
    // pane takes what the others leave) and marks every pane; bUpdateText:
    // shows the text of each marked pane.
    virtual void UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText);
    // Draws an SBPS_OWNERDRAW pane (itemID is its index).
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

protected:
    struct CPane {
        UINT nID = 0;
        UINT nStyle = SBPS_NORMAL;
        int cxText = 0;  // width of the text area, pixels
        CString strText;
        BOOL bUpdate = FALSE;  // the text waits to be shown
    };

    afx_msg void OnSize(UINT nType, int cx, int cy);
    // The frame's prompts arrive as the window text: it is the first pane's.
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);

    void SetParts();
    void ShowPaneText(int nIndex);
    int TextWidth(const CString& strText);
    int LineHeight();

    std::vector<CPane> m_panes;

    DECLARE_MESSAGE_MAP()
};

#ifndef ID_SEPARATOR
#define ID_SEPARATOR 0
#endif
