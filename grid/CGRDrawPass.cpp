#include "CGRDrawPass.h"

#include <algorithm>

namespace {
thread_local CGRDrawPass* t_pCurrent = nullptr;
}

CGRDrawPass::CGRDrawPass(CDC& dc)
    : m_dc(dc),
      m_pPrevious(t_pCurrent),
      m_nFormerAlign(dc.GetTextAlign()),
      m_nFormerBkMode(dc.SetBkMode(TRANSPARENT)),
      m_crFormerText(dc.GetTextColor()),
      m_crFormerBack(dc.GetBkColor()),
      m_hFormerPen(::GetCurrentObject(dc.m_hDC, OBJ_PEN)),
      m_hFormerFont(::GetCurrentObject(dc.m_hDC, OBJ_FONT)),
      m_nAlign(m_nFormerAlign),
      m_crText(m_crFormerText),
      m_crBack(m_crFormerBack),
      m_hPen(m_hFormerPen),
      m_hFont(m_hFormerFont)
{
    t_pCurrent = this;
}

CGRDrawPass::~CGRDrawPass()
{
    t_pCurrent = m_pPrevious;
    if (m_hFont != m_hFormerFont)
        ::SelectObject(m_dc.m_hDC, m_hFormerFont);
    if (m_hPen != m_hFormerPen)
        ::SelectObject(m_dc.m_hDC, m_hFormerPen);
    if (m_crBack != m_crFormerBack)
        m_dc.SetBkColor(m_crFormerBack);
    if (m_crText != m_crFormerText)
        m_dc.SetTextColor(m_crFormerText);
    if (m_nFormerBkMode != TRANSPARENT)
        m_dc.SetBkMode(m_nFormerBkMode);
    if (m_nAlign != m_nFormerAlign)
        m_dc.SetTextAlign(m_nFormerAlign);
}

CGRDrawPass* CGRDrawPass::Current(const CDC& dc)
{
    return t_pCurrent && t_pCurrent->m_dc.m_hDC == dc.m_hDC ? t_pCurrent : nullptr;
}

CGRDrawPass::CSuspended::CSuspended() : m_pSuspended(t_pCurrent)
{
    t_pCurrent = nullptr;
}

CGRDrawPass::CSuspended::~CSuspended()
{
    t_pCurrent = m_pSuspended;
}

UINT CGRDrawPass::GetFormerTextAlign() const
{
    return m_nFormerAlign;
}

void CGRDrawPass::SetTextAlign(UINT nAlign)
{
    if (nAlign != m_nAlign)
        m_dc.SetTextAlign(nAlign);
    m_nAlign = nAlign;
}

void CGRDrawPass::SetTextColor(COLORREF crText)
{
    if (crText != m_crText)
        m_dc.SetTextColor(crText);
    m_crText = crText;
}

void CGRDrawPass::Fill(const CRect& rect, COLORREF crBack)
{
    if (crBack != m_crBack)
        m_dc.SetBkColor(crBack);
    m_crBack = crBack;
    ::ExtTextOut(m_dc.m_hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

void CGRDrawPass::SelectPen(CPen* pPen)
{
    if (pPen->m_hObject != m_hPen)
        ::SelectObject(m_dc.m_hDC, pPen->m_hObject);
    m_hPen = pPen->m_hObject;
}

void CGRDrawPass::SelectFont(CFont* pFont)
{
    const HGDIOBJ hFont = pFont ? pFont->m_hObject : m_hFormerFont;
    if (hFont != m_hFont)
        ::SelectObject(m_dc.m_hDC, hFont);
    m_hFont = hFont;
}

int CGRDrawPass::LineHeight()
{
    auto known = std::find_if(m_lineHeights.begin(), m_lineHeights.end(),
                              [&](const std::pair<HGDIOBJ, int>& entry) { return entry.first == m_hFont; });
    if (known != m_lineHeights.end())
        return known->second;
    TEXTMETRIC metrics = {};
    m_dc.GetTextMetrics(&metrics);
    m_lineHeights.emplace_back(m_hFont, metrics.tmHeight);
    return metrics.tmHeight;
}
