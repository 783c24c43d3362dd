#pragma once
// Classes in this file: CToolBar, a row of command buttons on a frame's edge,
// over the system's toolbar control: loaded from a toolbar resource (button
// ids and image size) and the bitmap of the same id. Docked on a horizontal
// edge the buttons lie in one row, on a vertical edge in one column; in a
// floating frame they wrap into rows by the frame's width, which the user
// sets by sizing the frame (and which the bar keeps as its MRU width). A
// button sends its command to the frame; at idle each button takes the
// enable and check state of its command.

#include "CBitmap.h"
#include "CControlBar.h"

#include <vector>

class CToolBar : public CControlBar {
    DECLARE_DYNAMIC(CToolBar)
public:
    CToolBar();
    ~CToolBar() override;

// Creation
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                UINT nID = AFX_IDW_TOOLBAR);
    // dwCtrlStyle: styles of the toolbar control (TBSTYLE_FLAT, ...);
    // rcBorders: the bar's margins.
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                  DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP,
                  CRect rcBorders = CRect(0, 0, 0, 0), UINT nID = AFX_IDW_TOOLBAR);
    // The toolbar resource and the bitmap of the same name; FALSE when
    // either is missing or malformed.
    BOOL LoadToolBar(LPCTSTR lpszResourceName);
    BOOL LoadToolBar(UINT nIDResource) { return LoadToolBar(MAKEINTRESOURCE(nIDResource)); }
    BOOL LoadBitmap(LPCTSTR lpszResourceName);
    // Button ids in order; ID_SEPARATOR (0) makes a gap.
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);
    // sizeButton: the whole button; sizeImage: one image of the bitmap.
    void SetSizes(SIZE sizeButton, SIZE sizeImage);

// Attributes
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    UINT GetButtonStyle(int nIndex) const;
    void SetButtonStyle(int nIndex, UINT nStyle);
    // TB_ state bits of a button (TBSTATE_ENABLED, TBSTATE_CHECKED, ...).
    UINT GetButtonState(int nIndex) const;
    void SetButtonState(int nIndex, UINT nState);
    CSize GetButtonSize() const { return m_sizeButton; }

// Overridables
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    // A button as the layout sees it; a separator's width is its gap.
    struct CButtonLayout {
        BOOL bSeparator;
        int cx;
        BOOL bWrap;  // the row ends after it
        BOOL bKeepWithPrevious = FALSE;  // no row may end just before it
    };
    using CButtonLayouts = std::vector<CButtonLayout>;

// Layout steps
    // The bar's size in the LM_ mode; nLength (the bar's outer width, or
    // height with LM_LENGTHY) is the floating frame's wish, -1 for none.
    // LM_COMMIT gives the buttons the wraps found.
    virtual CSize CalcLayout(DWORD dwMode, int nLength = -1);
    // The size the buttons take with their wraps, without the borders.
    virtual CSize CalcSize(const CButtonLayouts& buttons) const;
    // Breaks the rows where a button would pass nWidth; returns the rows.
    virtual int WrapToolBar(CButtonLayouts& buttons, int nWidth) const;
    // Wraps into the narrowest rows that keep the row count of nLength
    // (a width) or, with bVert, that fit into nLength (a height).
    virtual void SizeToolBar(CButtonLayouts& buttons, int nLength, BOOL bVert) const;

    CButtonLayouts GetButtonLayouts() const;
    // What the layout takes of button nIndex; bars with buttons of other
    // widths or rows that must not break somewhere say so here.
    virtual CButtonLayout GetButtonLayout(int nIndex) const;
    void SetButtonWraps(const CButtonLayouts& buttons);
    // The borders' share of the bar's size.
    CSize GetBorderSize(BOOL bHorz) const;

    BOOL IsOnTool(CPoint point) const override;
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    // In help mode a button stands for its command.
    afx_msg LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);

    // The button under the point (client coordinates), or -1.
    int HitTestButton(CPoint point) const;
    void SetFlyByPrompt(UINT nID);

    CBitmap m_bmpImageWell;  // the button images, kept while the control lives
    CSize m_sizeButton;
    CSize m_sizeImage;
    UINT m_nFlyByID = 0;  // the command whose prompt shows, 0 for none

    DECLARE_MESSAGE_MAP()
};

#ifndef ID_SEPARATOR
#define ID_SEPARATOR 0
#endif
