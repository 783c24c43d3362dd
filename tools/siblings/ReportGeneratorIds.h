#pragma once
// The class id the report generator's stand-in serves, and where it keeps
// what it was asked. Tests register the stand-in under "VSreport.Application".

#include <objbase.h>

// {4B454C56-4152-4F4E-0004-565352455054}: the report generator's application.
inline const CLSID CLSID_ReportGenerator = {0x4b454c56, 0x4152, 0x4f4e, {0x00, 0x04, 0x56, 0x53, 0x52, 0x45, 0x50, 0x54}};

// The method that builds a Word report from a data workbook and a Word
// template, and returns an error code (0 on success).
const DISPID kDispIdGenerateReport = 1;

// Under HKEY_CURRENT_USER: "Data" and "Template" hold the two texts of the
// last report request; a DWORD "ReturnCode" is the code the request returns
// (0 when absent); a text "KeepDataAs" names a file the data workbook is
// copied to when the request comes, so a test can read what the generator
// was given.
const char kReportGeneratorStandInKey[] = "Software\\Kelvaron\\Report generator stand-in";
