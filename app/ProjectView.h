#pragma once
// Classes in this file: CProjectView, the base of a project's windows
// (measurement table, result table, test report, multiplot table). It keeps
// what they share: the view kind the document opened it for, the correction
// toggles of the "Extras" menu with the window's own rules, the repaint and
// the focus handed to its grid when the window gets the focus, and the rule
// that it takes no command while the tree bar is active. A window without
// its grid yet shows its kind in a child window that carries the kind as
// control id, as the grids will, so a project finds its open windows by kind.

#include "FrameCommandRules.h"

#include "afxwin.h"

#include <utility>
#include <vector>

class CAppSettings;
class CGRCtrl;
class CTabGrid;
class CProjectDoc;
struct CPageSetup;
struct CPageTextValues;
class CReportInfo;

class CProjectView : public CView {
    DECLARE_DYNAMIC(CProjectView)
public:
    int GetViewKind() const { return m_nViewKind; }
    CProjectDoc* GetProject() const;
    static CAppSettings& GetSettings();

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;

protected:
    CProjectView() = default;

    // Creates the window's content as a child with the view kind as its id.
    virtual BOOL CreateContent(int nViewKind);
    // The child that takes the keyboard when the window gets the focus.
    virtual CWnd* GetContentWindow();
    // The grid of a measurement or multiplot table; none in other windows.
    virtual CTabGrid* GetTableGrid() const { return nullptr; }
    // The correction toggles (command, mark) as a window of this kind shows them.
    static std::vector<std::pair<UINT, CToggleMark>> ToggleMarksOf(const CReportInfo& info);
    // Sets the main menu's check mark of a command.
    static void CheckMainMenuItem(UINT nID, bool bChecked);
    // The context menu nMenuId at the point (at the cursor for a keyboard's
    // (0, 0)), its toggles marked for the window's project.
    void ShowContextMenu(UINT nMenuId, CPoint point);

// Printing, shared by the printed windows
    // What the codes of this window's printed header and footer stand for.
    CPageTextValues PageTextValues() const;
    // The framework's print preparation; when it finds no printer at all,
    // the user is told so.
    BOOL PreparePrinterOrSay(CPrintInfo* pInfo);
    // A page set-up's margins as the grid's print options (millimetres).
    static void ApplyPrintMargins(CGRCtrl& grid, const CPageSetup& setup);
    afx_msg void OnMultiplePrint();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg BOOL OnToggleCorrection(UINT nID);
    afx_msg void OnUpdateToggleCorrection(CCmdUI* pCmdUI);
    afx_msg void OnUpdateAlwaysEnabled(CCmdUI* pCmdUI);
    // The table commands, mapped by the windows with a table grid.
    afx_msg void OnDeleteMeasurement();
    afx_msg void OnEditCopy();
    afx_msg void OnEditPaste();
    afx_msg void OnUpdateSelectedMeasurements(CCmdUI* pCmdUI);
    afx_msg void OnCloseAll();

    DECLARE_MESSAGE_MAP()

private:
    CString WindowCaption() const;

    int m_nViewKind = 0;
    CWnd m_wndKind;
};
