#pragma once
// Classes in this file: CTKSizeDialogBar, a sizable bar filled with a dialog
// template: the bar's window is the dialog itself (so its data exchange and
// its controls' notifications are the bar's). With TKSBS_RESIZECHILDREN the
// template's controls are scaled with the bar; a drop-down combo box keeps
// its height.

#include "CTKSizeControlBar.h"

#include <vector>

class CTKSizeDialogBar : public CTKSizeControlBar {
    DECLARE_DYNAMIC(CTKSizeDialogBar)
public:
    explicit CTKSizeDialogBar(DWORD dwSizeBarStyle = 0);

    // nStyle: the bar style (CBRS_LEFT, ...). Nonzero on success.
    BOOL Create(CWnd* pParentWnd, LPCTSTR lpszTemplateName, UINT nStyle, UINT nID);
    BOOL Create(CWnd* pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID)
    {
        return Create(pParentWnd, MAKEINTRESOURCE(nIDTemplate), nStyle, nID);
    }

    // The bar's dialog is initialised: its controls exist.
    virtual BOOL OnInitDialog();
    void OnSizedOrDocked(int cx, int cy, BOOL bFloating, int nFlags) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    CSize m_sizeTemplate;  // the dialog's client size right after creation

protected:
    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    // A child's place in the template's client area; a negative bottom is
    // the height a drop-down combo box keeps.
    struct CChildPlace {
        CRect rect;
        HWND hWnd;
    };

    void RecordChildLayout();

    // The first entry is the client area, without a window.
    std::vector<CChildPlace> m_aChildLayout;
};
