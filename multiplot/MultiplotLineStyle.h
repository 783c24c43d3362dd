#pragma once
// Classes in this file: CMultiplotLineStyle, how one multiplot curve's line
// looks on the report page: its colour from LineColorTable and, by the
// project's line type, its thickness (line type 0) or its pattern (any
// other), as the legend's line sample and as the pen of the legend picture.
// An index read from a project file that lies outside its table counts as 0,
// so no file can make the page read past a table.

#include "afx.h"

#include <vector>

// The 16 colours of a curve line, by colour index.
extern const COLORREF LineColorTable[16];

class CMultiplotLineStyle {
public:
    static constexpr int kThicknessLineType = 0;
    static constexpr int kColors = 16;
    static constexpr int kStyles = 5;  // solid, dash, dot, dash-dot, dash-dot-dot
    static constexpr int kWidths = 5;

    // A stretch of the sample drawn in the line's colour, [m_nStart, m_nEnd).
    struct CSegment {
        int m_nStart;
        int m_nEnd;
        bool operator==(const CSegment& other) const { return m_nStart == other.m_nStart && m_nEnd == other.m_nEnd; }
    };

    CMultiplotLineStyle(int nLineType, int nColor, int nStyle, int nWidth);

    COLORREF Color() const { return LineColorTable[m_nColor]; }

// The legend's line sample, in pixels
    int SampleThickness() const;
    // The drawn stretches of a sample nLength long, its pattern scaled by
    // nScale (on paper).
    std::vector<CSegment> SampleSegments(int nLength, int nScale = 1) const;

// The pen of the legend picture
    // PS_SOLID (0) to PS_DASHDOTDOT (4).
    int PenStyle() const;
    int PenWidth() const;

private:
    // On and off runs of the pattern, starting with a run drawn; empty when solid.
    std::vector<int> PatternRuns() const;

    bool m_bByThickness;
    int m_nColor;
    int m_nStyle;
    int m_nWidth;
};
