#pragma once
// Classes in this file: CChartStore, the values of one chart's properties.
// Each element holds a number and a text; an element never set reads 0 or
// "". An index outside a property's elements is ignored on setting and
// reads 0: the data points lie within NumSets x NumPoints, the elements of
// the other indexed properties below kChartIndexLimit.

#include "ChartProperty.h"

#include "CString.h"

#include <map>
#include <tuple>

constexpr int kChartIndexLimit = 256;

class CChartStore {
public:
// Elements; nRow is the first index of a two-index property, nCol the
// index of a one-index property or the second of a two-index one.
    BOOL SetNumber(ChartPropertyId id, int nRow, int nCol, double dValue);
    double GetNumber(ChartPropertyId id, int nRow = 0, int nCol = 0) const;
    BOOL SetText(ChartPropertyId id, int nRow, int nCol, const CString& sText);
    CString GetText(ChartPropertyId id, int nRow = 0, int nCol = 0) const;
    int GetInt(ChartPropertyId id, int nRow = 0, int nCol = 0) const;

    // The data of every set back to "never set".
    void ResetData();

private:
    struct CValue {
        double dNumber = 0.0;
        CString sText;
    };
    using CKey = std::tuple<int, int, int>;

    BOOL HoldsElement(ChartPropertyId id, int nRow, int nCol) const;
    static CKey KeyOf(ChartPropertyId id, int nRow, int nCol);

    std::map<CKey, CValue> m_values;
};
