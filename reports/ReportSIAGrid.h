#pragma once
// Classes in this file: CReportSIAGrid, the field report page of a project
// rated by SIA 181: the extended field page with the noise type and the
// receiving filter one row lower, the SIA edition in the rating heading,
// and no adaptation terms beside the single-number line.

#include "ReportEXTGrid.h"

class CReportSIAGrid : public CReportEXTGrid {
public:
    // The single-number line says all the page rates.
    void FillAdaptationTerms() override {}

protected:
    CReportExtendedTexts::EPage Page() const override { return CReportExtendedTexts::EPage::Sia; }
    int NoiseTypeRow() const override { return 17; }
};
