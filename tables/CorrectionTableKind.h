#pragma once
// Classes in this file: CCorrectionTableKind, what a background-noise or
// flanking-transmission correction table shows for a project kind: its
// value-column headings, its legend strings, its band range and which of
// the project's lists and result spectra its values come from.

#include "afx.h"
#include "model/ViewKinds.h"

#include <vector>

class CReportInfo;

class CCorrectionTableKind {
public:
    CCorrectionTableKind(const CReportInfo& info, int nViewKind, bool bCorrectionZezur);

    // View 106 of a flanking project; view 106 of a corner project shows
    // the corner background correction.
    bool IsFlanking() const { return m_bFlanking; }
    bool IsCorner() const { return m_bCorner; }
    bool IsImpactAirborne() const { return m_bImpactAirborne; }
    bool IsFrom2014() const { return m_bFrom2014; }
    bool IsLab() const { return m_bLab; }
    bool IsZezur() const { return m_bZezur; }
    bool IsSmallElements() const { return m_bSmallElements; }

    // 8 columns, or 13 with the impact-and-airborne columns.
    int ColumnCount() const { return m_bImpactAirborne ? 13 : 8; }
    int RemarkCol() const { return ColumnCount() - 2; }
    // Bands 50 to 80 Hz for a corner project's view 106, else the settings'.
    bool HasOwnBandRange() const { return m_bCorner && m_nViewKind == kViewKindFtmCorrectionTable; }
    static constexpr int kCornerLowerBand = 17;
    static constexpr int kCornerUpperBand = 19;

    // Headings of the value columns from column 2 on (multi-font texts in
    // the flanking table).
    std::vector<CString> Headings() const;
    // String ids of the legend rows after "Legend:".
    std::vector<UINT> LegendIds() const;

private:
    std::vector<CString> BgnHeadings() const;
    std::vector<CString> FlankingHeadings() const;

    int m_nViewKind;
    bool m_bFlanking;
    bool m_bCorner;
    bool m_bImpactAirborne;
    bool m_bFrom2014;
    bool m_bLab;
    bool m_bZezur;
    bool m_bSmallElements;
    bool m_bFrom2010;
};
