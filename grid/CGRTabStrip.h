#pragma once
// Classes in this file: CGRTabStrip, the sheet tabs of a grid control as a
// table (label, width, id and colours of up to 64 tabs, the current one)
// and the arithmetic of the strip that shows them: where each tab lies,
// which tab a point hits, how far the strip scrolls and how it brings a tab
// into view. The tab window draws it; this class knows no window.

#include "afx.h"

#include <vector>

struct GridSheetTab {
    CString sLabel;
    int nWidth = 0;
    long lID = 0;
    COLORREF crText = 0;
    COLORREF crBack = 0;
    COLORREF crCurrentText = 0;
    COLORREF crCurrentBack = 0;
};

class CGRTabStrip {
public:
    static constexpr int kMaxTabs = 64;
    // The tab area is never made narrower than this by dragging its edge.
    static constexpr int kMinAreaWidth = 40;
    // The last pixels of the strip are its sizing edge.
    static constexpr int kResizeZone = 7;
    static constexpr int kLineStep = 5;
    // A tab's shape reaches this far right of its width.
    static constexpr int kHitSlack = 2;

// Table
    int AddTab(const GridSheetTab& tab);
    int DeleteTab(long lID);
    int FindTab(long lID) const;
    int GetCount() const;
    GridSheetTab& GetTab(int nIndex);
    const GridSheetTab& GetTab(int nIndex) const;
    int GetCurrent() const;

// Strip
    void SetScrollAreaWidth(int nWidth);
    int GetScrollAreaWidth() const;
    int GetOffset() const;
    int GetMaxOffset() const;
    int TabLeft(int nIndex) const;
    int TabAt(int x) const;
    bool InResizeZone(int x, int nClientWidth) const;
    void CalcScrollRange(int nClientWidth);
    void Select(int nIndex, int nClientWidth);
    bool LineLeft();
    bool LineRight();
    static int ClampAreaWidth(int nWidth);

private:
    std::vector<GridSheetTab> m_tabs;
    int m_nOffset = 0;
    int m_nMaxOffset = 0;
    int m_nCurrent = 0;
    int m_nScrollAreaWidth = 0;
};
