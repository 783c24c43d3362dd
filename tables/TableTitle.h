#pragma once
// Classes in this file: CTableTitle, the title of a measurement table's
// window by its table id and the project's kind; the caption is the
// project's name, " - " and this title.

#include "afx.h"

class CReportInfo;

class CTableTitle {
public:
    static CString Of(int nTableId, const CReportInfo& info);
    static CString CaptionOf(const CString& sProjectName, int nTableId, const CReportInfo& info);

private:
    static CString SecondSourceRoom(const CReportInfo& info);
    static CString SecondReceivingRoom(const CReportInfo& info);
    static CString FacilityWith(const CReportInfo& info);
    static CString FacilityWithout(const CReportInfo& info);
};
