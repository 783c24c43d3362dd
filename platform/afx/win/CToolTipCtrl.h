#pragma once
// Classes in this file: CToolTipCtrl, a tool tip control. Each member is the
// message of the same name; a tool is a window (TTF_IDISHWND) or a rectangle
// of a window with an id.

#include "CWnd.h"

class CToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

// Tools
    BOOL AddTool(CWnd* pWnd, LPCTSTR lpszText = LPSTR_TEXTCALLBACK, LPCRECT lpRectTool = nullptr,
                 UINT_PTR nIDTool = 0);
    BOOL AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
    void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
    void UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect);
    int GetToolCount() const;
    BOOL GetToolInfo(TOOLINFO& rToolInfo, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    void SetToolInfo(LPTOOLINFO lpToolInfo);

// Behaviour and look
    void Activate(BOOL bActivate);
    void RelayEvent(LPMSG lpMsg);
    void Pop();
    void Update();
    int SetMaxTipWidth(int iWidth);
    void SetDelayTime(UINT nDelay);
    void SetDelayTime(DWORD dwDuration, int iTime);
    int GetDelayTime(DWORD dwDuration) const;
    void SetTipBkColor(COLORREF clr);
    void SetTipTextColor(COLORREF clr);

private:
    TOOLINFO ToolOf(CWnd* pWnd, UINT_PTR nIDTool) const;
    BOOL AddToolWithText(CWnd* pWnd, LPCTSTR lpszText, HINSTANCE hInstText, LPCRECT lpRectTool,
                         UINT_PTR nIDTool);
};
