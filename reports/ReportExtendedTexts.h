#pragma once
// Classes in this file: CReportExtendedTexts, the texts of the extended
// field report and of the SIA 181 report that differ from the plain field
// page: the rating heading, the head of the band values (a façade's "J"
// before the 2006 edition) and the single-number line with the total
// value that the 2006 edition reports beside it.

#include "calc/Calc.h"
#include "model/ReportInfo.h"

// The single-number line and the two adaptation cells it takes over;
// an empty cell text leaves the adaptation term there.
struct CExtendedRatingLine {
    CString sLine;
    CString sTotal;      // first line, middle term cell
    CString sLowFreq;    // first line, right term cell
};

class CReportExtendedTexts {
public:
    // The two report pages that share these texts.
    enum class EPage { Extended, Sia };

    static CString RatingHeading(const CReportInfo& info, EPage page);
    static CString ValueHead(const CReportInfo& info);
    static CExtendedRatingLine RatingLine(const CReportInfo& info, const CCalc& calc, EPage page, bool bTenth,
                                          char cDecimal);

private:
    static CString ImpactLine(const CReportInfo& info, const CCalc& calc, const CString& sRating, EPage page,
                              bool bTenth, char cDecimal, CString& sTotal);
    static CString AirborneLine(const CReportInfo& info, const CCalc& calc, const CString& sRating, EPage page,
                                bool bTenth, char cDecimal, CExtendedRatingLine& line);
};
