#include "ProjectHost.h"

#include "CalcMethodSelection.h"

#include "Calc.h"
#include "CalcDocument.h"

namespace {

CProjectHost* g_pCurrentHost = nullptr;

} // namespace

CProjectHost& CProjectHost::GetCurrent()
{
    static CDefaultProjectHost defaultHost;
    return g_pCurrentHost != nullptr ? *g_pCurrentHost : defaultHost;
}

void CProjectHost::SetCurrent(CProjectHost* pHost)
{
    g_pCurrentHost = pHost;
}

// Curve n takes colour, style and size n, as the application's defaults do
// until the user changes them.
void CDefaultProjectHost::GetCurveDefaults(int nCurve, int& rnColor, int& rnStyle, int& rnSize) const
{
    rnColor = nCurve;
    rnStyle = nCurve;
    rnSize = nCurve;
}

CString CDefaultProjectHost::GetUntitledText() const
{
    return CString("Untitled");
}

// The result pass: the engine's method selection picks the method, ratings
// and adaptation terms from the project's descriptor.
void CDefaultProjectHost::CalculateResults(CCalcDocument& doc, CCalc& calc)
{
    calc.m_pDoc = &doc;
    CCalcMethodSelection().CalculateResults(calc);
}
