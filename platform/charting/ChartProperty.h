#pragma once
// The chart's properties by number, and what each is: how many indices it
// takes, whether a caller may set it and the kind of its value.

#include "ChartPropertyList.h"

#include "CString.h"

enum class ChartPropertyId {
#define VESTOLAR_CHART_PROPERTY(name, dims, access, kind) name,
    VESTOLAR_CHART_PROPERTIES
#undef VESTOLAR_CHART_PROPERTY
    Count
};

enum class ChartAccess { ReadWrite, ReadOnly };
enum class ChartValueKind { Int, Double, Text };

struct ChartPropertyInfo {
    const char* lpszName;
    int nDims;
    ChartAccess access;
    ChartValueKind kind;
};

// One element's value as it passes through the property functions: a
// number, or a text when bIsText.
struct CChartValue {
    double dNumber = 0.0;
    CString sText;
    bool bIsText = false;
};

constexpr int kChartPropertyCount = static_cast<int>(ChartPropertyId::Count);

const ChartPropertyInfo& GetChartPropertyInfo(ChartPropertyId id);

// A stored number as a whole number: truncated toward zero, 0 for a number
// no int can hold.
int ChartWholeNumber(double dValue);
