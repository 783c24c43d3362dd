#pragma once
// Classes in this file: CMultiplotScaleLists, the entries of the multiplot
// set-up's maximum and range lists by graph type, the scale values fitted to
// that type, and the entry each list selects.

#include "afx.h"

#include <vector>

struct CMultiplotScaleEntry {
    CString m_sText;
    double m_dValue = 0.0;
};

class CMultiplotScaleLists {
public:
    static constexpr int kLevel = 0;
    static constexpr int kReverberation = 1;
    static constexpr int kAbsorption = 2;

    // Replaces a maximum and range that do not fit the graph type by the
    // type's defaults, then lists the entries and their selections.
    void Fill(int nGraphType, double& rdMax, double& rdRange);

    const std::vector<CMultiplotScaleEntry>& GetMaxEntries() const { return m_aMax; }
    const std::vector<CMultiplotScaleEntry>& GetRangeEntries() const { return m_aRange; }
    // The entry equal to the value, else the first (0 also for no entry).
    int GetMaxSelection() const { return m_nMaxSelection; }
    int GetRangeSelection() const { return m_nRangeSelection; }

private:
    static std::vector<CMultiplotScaleEntry> EntriesOf(int nGraphType);
    static void FitToType(int nGraphType, double& rdMax, double& rdRange);
    static int IndexOf(const std::vector<CMultiplotScaleEntry>& aEntries, double dValue);

    std::vector<CMultiplotScaleEntry> m_aMax;
    std::vector<CMultiplotScaleEntry> m_aRange;
    int m_nMaxSelection = 0;
    int m_nRangeSelection = 0;
};
