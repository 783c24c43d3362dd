#pragma once
// Classes in this file: CGRDrawPass, what the cell area's drawing pass keeps
// set in a context that puts pixels. Under Wine every call into the drawing
// library is a trip to its Unix side, so the cells set the text alignment,
// the text and background colours, the pen and the font through the pass,
// which calls the library only when a value changes; the background mode
// is made transparent once, and a font's line height is read once per pass.
// The context gets back what it had when the pass ends.
//
// While it lives the pass is the current one for its context (`Current`),
// the way the grid's own cell type finds it. A recording (metafile) context
// never gets one: its readers see every call, so there the cells keep their
// plain calls. A cell of another type draws with the pass suspended
// (`CSuspended`), in a context saved whole around it.

#include "afxwin.h"

#include <utility>
#include <vector>

class CGRDrawPass {
public:
    explicit CGRDrawPass(CDC& dc);
    ~CGRDrawPass();
    CGRDrawPass(const CGRDrawPass&) = delete;
    CGRDrawPass& operator=(const CGRDrawPass&) = delete;

    // The pass drawing into this context, or nullptr.
    static CGRDrawPass* Current(const CDC& dc);

    // No pass is current while it lives.
    class CSuspended {
    public:
        CSuspended();
        ~CSuspended();
        CSuspended(const CSuspended&) = delete;
        CSuspended& operator=(const CSuspended&) = delete;

    private:
        CGRDrawPass* m_pSuspended;
    };

    // The alignment the context had when the pass began, for texts that
    // are not placed by their right edge.
    UINT GetFormerTextAlign() const;
    void SetTextAlign(UINT nAlign);
    void SetTextColor(COLORREF crText);
    // The rectangle in the colour: an opaque text call of no text, the
    // background colour left for the next fill.
    void Fill(const CRect& rect, COLORREF crBack);
    void SelectPen(CPen* pPen);
    // nullptr selects the font the context had when the pass began.
    void SelectFont(CFont* pFont);
    // The height of a line of text in the selected font.
    int LineHeight();

private:
    CDC& m_dc;
    CGRDrawPass* m_pPrevious;
    const UINT m_nFormerAlign;
    const int m_nFormerBkMode;
    const COLORREF m_crFormerText;
    const COLORREF m_crFormerBack;
    const HGDIOBJ m_hFormerPen;
    const HGDIOBJ m_hFormerFont;
    UINT m_nAlign;
    COLORREF m_crText;
    COLORREF m_crBack;
    HGDIOBJ m_hPen;
    HGDIOBJ m_hFont;
    std::vector<std::pair<HGDIOBJ, int>> m_lineHeights;
};
