#pragma once
// Classes in this file: CTKMenuSkin, the part skin that draws the items of a
// bitmap menu and the frame and shadow of the popup windows that show it;
// CTKMenuDimensions, the ten numbers that fix a look's item geometry.

#include "afxwin.h"

#include "CTKImageInfo.h"

class CTKBitmapMenu;

// 1-based, as the geometry rules count them.
struct CTKMenuDimensions {
    int nValues[10] = {};
    int operator[](int n) const { return nValues[n - 1]; }
};

// Item state bits besides the system's ODS_SELECTED, ODS_DISABLED, ODS_CHECKED.
constexpr UINT kTKMenuHiddenItem = 0x1000;  // a rarely used item shown in an expanded menu
constexpr UINT kTKMenuLineAbove = 0x2000;
constexpr UINT kTKMenuLineBelow = 0x4000;
// The item that expands a shortened menu.
constexpr UINT kTKMenuExpanderID = 0xFF56;

class CTKMenuSkin {
public:
    virtual ~CTKMenuSkin() = default;

    virtual void DrawBackground(CDC* pDC, UINT nState, const CTKImageInfo* pImage, const CRect& rectItem,
                                const CRect& rectButton, CTKBitmapMenu* pMenu) = 0;
    virtual void DrawButton(CDC* pDC, UINT nState, const CTKImageInfo* pImage, const CRect& rectButton,
                            CTKBitmapMenu* pMenu) = 0;
    virtual void DrawImage(CDC* pDC, UINT nState, const CTKImageInfo* pImage, const CRect& rectImage,
                           CTKBitmapMenu* pMenu) = 0;
    virtual void DrawText(CDC* pDC, UINT nState, const CString& sText, const CRect& rectText,
                          const CRect& rectShortcut, CTKBitmapMenu* pMenu) = 0;
    virtual void DrawSeparator(CDC* pDC, const CRect& rectItem, CTKBitmapMenu* pMenu) = 0;
    virtual void DrawSelectionFrame(CDC* pDC, const CRect& rect, CTKBitmapMenu* pMenu) = 0;
    // The same mark in every look.
    void DrawInsertMark(CDC* pDC, const CRect& rectItem, BOOL bBefore, CTKBitmapMenu* pMenu);
    virtual void DrawSubmenuItem(CDC* pDC, UINT nState, const CString& sText, DWORD dwMenuValue,
                                 const CRect& rectItem, const CRect& rectButton, const CRect& rectText,
                                 const CRect& rectArrow, CTKBitmapMenu* pMenu) = 0;
    virtual void DrawExpansionItem(CDC* pDC, const CRect& rectItem, UINT nState, CTKBitmapMenu* pMenu) = 0;
    const CTKMenuDimensions& GetDimensions() const { return m_dimensions; }
    virtual LRESULT PopupWindowProc(WNDPROC pfnPrevious, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
    virtual void DrawPopupWindowFrame(CWnd* pWnd);
    virtual void DrawButtonJoinWindow(CWnd* pWnd);
    virtual void AdjustExpansionItemHeight(UINT* pnHeight, CTKBitmapMenu* pMenu);
    virtual void LayoutItem(UINT nState, const CTKImageInfo* pImage, const CRect& rectItem, CRect* pRectButton,
                            CRect* pRectImage, CRect* pRectText, CRect* pRectShortcut, CTKBitmapMenu* pMenu);

// Window-free parts, for the skins and their tests
    // The item text before its first tab, and the shortcut after it (empty
    // without a tab).
    static void SplitItemText(const CString& sItem, CString* psText, CString* psShortcut);
    // Every column but the shortcut's: record[1] + image column + record[3]
    // + widest text, then record[5]; plus the shortcut column and record[4]
    // when a shortcut exists.
    static int MeasureItemWidth(const CTKMenuDimensions& dims, int nImageColumn, int nTextWidth,
                                int nShortcutWidth);
    // The height of a command item with an image nImageHeight high (0: none).
    static int MeasureItemHeight(const CTKMenuDimensions& dims, int nTextHeight, int nImageHeight);

protected:
    explicit CTKMenuSkin(const CTKMenuDimensions& dims) : m_dimensions(dims) {}

    // The width of the image column of pMenu, at least record[9].
    int GetImageColumnWidth(CTKBitmapMenu* pMenu) const;
    // Where the button behind the image lies, the image placed in it.
    virtual CRect LayoutButton(const CRect& rectItem, const CTKImageInfo* pImage, CRect* pRectImage,
                               CTKBitmapMenu* pMenu) const = 0;
    // Text and shortcut, split at the first tab, as prefix text in crText.
    static void DrawItemText(CDC* pDC, const CString& sItem, const CRect& rectText, const CRect& rectShortcut,
                             COLORREF crText, BOOL bEmbossed);
    // A glyph of the "Marlett" font, as high as a menu check mark, centred
    // in rect with a transparent background.
    static void DrawMarlettGlyph(CDC* pDC, LPCTSTR lpszGlyph, const CRect& rect, COLORREF crText);
    // Whether the image draws: a check-mark image only while checked.
    static BOOL IsImageShown(UINT nState, const CTKImageInfo* pImage);
    // The image index for the state: the selected image while selected.
    static int ImageForState(UINT nState, const CTKImageInfo* pImage);
    static COLORREF SysColor(int nIndex);

private:
    CTKMenuDimensions m_dimensions;
};
