#include "CGRTabStrip.h"

#include "GridCodes.h"

#include <algorithm>

namespace {
// Room kept beside a tab scrolled into view: before it, and after it for
// the slant of its shape and the splitter.
const int kRoomBefore = 5;
const int kRoomAfter = 19;
// The strip scrolls a little past the last tab.
const int kScrollBeyond = 20;
}

int CGRTabStrip::AddTab(const GridSheetTab& tab)
{
    if (GetCount() >= kMaxTabs)
        return kGridNoIndex;
    m_tabs.push_back(tab);
    return GetCount() - 1;
}

// The current tab stays the same tab; when it is the one deleted, the one
// before it becomes current.
int CGRTabStrip::DeleteTab(long lID)
{
    int nIndex = FindTab(lID);
    if (nIndex < 0)
        return kGridOutOfRange;
    m_tabs.erase(m_tabs.begin() + nIndex);
    if (m_nCurrent >= nIndex && m_nCurrent > 0)
        --m_nCurrent;
    return kGridDone;
}

int CGRTabStrip::FindTab(long lID) const
{
    for (int nIndex = 0; nIndex < GetCount(); ++nIndex)
        if (m_tabs[static_cast<size_t>(nIndex)].lID == lID)
            return nIndex;
    return -1;
}

int CGRTabStrip::GetCount() const
{
    return static_cast<int>(m_tabs.size());
}

GridSheetTab& CGRTabStrip::GetTab(int nIndex)
{
    return m_tabs.at(static_cast<size_t>(nIndex));
}

const GridSheetTab& CGRTabStrip::GetTab(int nIndex) const
{
    return m_tabs.at(static_cast<size_t>(nIndex));
}

int CGRTabStrip::GetCurrent() const
{
    return m_nCurrent;
}

void CGRTabStrip::SetScrollAreaWidth(int nWidth)
{
    m_nScrollAreaWidth = nWidth;
}

int CGRTabStrip::GetScrollAreaWidth() const
{
    return m_nScrollAreaWidth;
}

int CGRTabStrip::GetOffset() const
{
    return m_nOffset;
}

int CGRTabStrip::GetMaxOffset() const
{
    return m_nMaxOffset;
}

// The tabs follow one another right of the scroll bar, moved left by the
// scroll offset.
int CGRTabStrip::TabLeft(int nIndex) const
{
    int x = m_nScrollAreaWidth - m_nOffset;
    for (int i = 0; i < nIndex && i < GetCount(); ++i)
        x += m_tabs[static_cast<size_t>(i)].nWidth;
    return x;
}

// Where two tabs overlap, the earlier one is hit.
int CGRTabStrip::TabAt(int x) const
{
    for (int nIndex = 0; nIndex < GetCount(); ++nIndex) {
        int nLeft = TabLeft(nIndex);
        if (x >= nLeft && x <= nLeft + m_tabs[static_cast<size_t>(nIndex)].nWidth + kHitSlack)
            return nIndex;
    }
    return -1;
}

bool CGRTabStrip::InResizeZone(int x, int nClientWidth) const
{
    return x >= nClientWidth - kResizeZone && x < nClientWidth;
}

void CGRTabStrip::CalcScrollRange(int nClientWidth)
{
    int nRange = TabLeft(GetCount()) + m_nOffset - nClientWidth;
    m_nMaxOffset = nRange >= 1 ? nRange + kScrollBeyond : 0;
    m_nOffset = std::min(m_nOffset, m_nMaxOffset);
}

// The tab becomes current and the strip scrolls until the whole tab is in
// view; when the tab is wider than the room, its left edge shows.
void CGRTabStrip::Select(int nIndex, int nClientWidth)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return;
    m_nCurrent = nIndex;
    int nLeft = TabLeft(nIndex);
    int nRight = nLeft + m_tabs[static_cast<size_t>(nIndex)].nWidth;
    if (nRight + kRoomAfter > nClientWidth)
        m_nOffset += nRight + kRoomAfter - nClientWidth;
    nLeft = TabLeft(nIndex);
    if (nLeft - kRoomBefore < m_nScrollAreaWidth)
        m_nOffset -= m_nScrollAreaWidth - (nLeft - kRoomBefore);
    m_nOffset = std::max(0, std::min(m_nOffset, m_nMaxOffset));
}

bool CGRTabStrip::LineLeft()
{
    if (m_nOffset < 1)
        return false;
    m_nOffset = std::max(0, m_nOffset - kLineStep);
    return true;
}

bool CGRTabStrip::LineRight()
{
    if (m_nOffset >= m_nMaxOffset - kLineStep)
        return false;
    m_nOffset += kLineStep;
    return true;
}

int CGRTabStrip::ClampAreaWidth(int nWidth)
{
    return std::max(nWidth, kMinAreaWidth);
}
