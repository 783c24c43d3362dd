#pragma once
// Classes in this file: CGraphProperty, one property of a chart as a member
// of CGraphProps: choose an element with AtRow and At, then read or write it.
//
//     m_Graph.GraphData.AtRow(nSet).At(nPoint).SetDouble(dLevel);
//     double dTop = m_Graph.YAxisMax.At(0).GetDouble();

#include "platform/charting/Charting.h"

#include "CString.h"

class CGraphProps;

class CGraphProperty {
public:
    void Bind(CGraphProps* pOwner, int nDims, ChartGetter pfnGetter, ChartSetter pfnSetter);

// Elements: the low 16 bits of the index are kept, here and in the copy.
    CGraphProperty At(int nIndex);
    CGraphProperty AtRow(int nIndex);

// Values; a read-only property changes nothing and returns what it was given.
    int SetInt(int nValue);
    int GetInt() const;
    double SetDouble(double dValue);
    double GetDouble() const;
    CString SetString(const CString& sValue);
    CString SetStringPtr(LPCSTR lpszValue);
    CString GetString() const;

private:
    void Set(const CChartValue& value) const;
    CChartValue Get() const;
    int Row() const;
    int Col() const;

    CGraphProps* m_pOwner = nullptr;
    int m_nFirstIndex = 0;
    int m_nSecondIndex = 0;
    int m_nDims = 0;
    ChartGetter m_pfnGetter = nullptr;
    ChartSetter m_pfnSetter = nullptr;
};
