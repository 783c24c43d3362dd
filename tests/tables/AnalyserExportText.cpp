#include "AnalyserExportText.h"

namespace {

// A line of the export: its caption, then per measurement the field in its
// first column and empty fields in its other columns.
CString Line(const char* lpszCaption, const std::vector<CExportedMeasurement>& aMeasurements, bool bWide,
             const char* CExportedMeasurement::*pField)
{
    CString sLine = lpszCaption;
    for (const CExportedMeasurement& meas : aMeasurements) {
        const size_t nCols = meas.aValues.size() * (bWide ? 2 : 1);
        sLine += "\t";
        sLine += meas.*pField;
        sLine += CString('\t', static_cast<int>(nCols - 1));
    }
    return sLine;
}

CString ValueLine(const std::vector<CExportedMeasurement>& aMeasurements, bool bWide)
{
    CString sLine = "Leq";
    for (const CExportedMeasurement& meas : aMeasurements) {
        for (const char* lpszValue : meas.aValues)
            sLine += CString("\t") + lpszValue;
        if (bWide) {
            for (size_t i = 0; i < meas.aValues.size(); ++i)
                sLine += "\t0.1";
        }
    }
    return sLine;
}

} // namespace

CString AnalyserExportText(const std::vector<CExportedMeasurement>& aMeasurements, bool bWide, int nBandKind,
                           const char* lpszUnit)
{
    CString sKinds = "Bands";
    for (const CExportedMeasurement& meas : aMeasurements) {
        CString sKind;
        sKind.Format("\t%d", nBandKind);
        sKinds += sKind + CString('\t', static_cast<int>(meas.aValues.size() * (bWide ? 2 : 1) - 1));
    }
    CString sText;
    for (int nLine = 0; nLine <= 28; ++nLine) {
        switch (nLine) {
        case 0: sText += "Partial\tSpectrum"; break;
        case 8: sText += Line("Start", aMeasurements, bWide, &CExportedMeasurement::lpszDate); break;
        case 15: sText += Line("Name", aMeasurements, bWide, &CExportedMeasurement::lpszTitle); break;
        case 17: sText += CString("Unit\t") + lpszUnit; break;
        case 22: sText += sKinds; break;
        case 24: sText += Line("Lower", aMeasurements, bWide, &CExportedMeasurement::lpszLowerEdge); break;
        case 25: sText += Line("Upper", aMeasurements, bWide, &CExportedMeasurement::lpszUpperEdge); break;
        case 28: sText += ValueLine(aMeasurements, bWide); break;
        default: sText += "Info\t"; break;
        }
        sText += "\r\n";
    }
    return sText;
}
