// Behaviours of the record the Add command makes, and of a record copied
// into a table: the document files it into that table, whatever the project
// kind.

#include "tables/NewMeasurement.h"

#include "app/AppSettings.h"
#include "model/MeasurementRouting.h"
#include "model/ReportInfo.h"

#include <gtest/gtest.h>

#include <vector>

TEST(NewMeasurement, IsFiledIntoTheTableItWasAddedTo)
{
    using R = CReportInfo;
    struct {
        int nTableId;
        std::vector<bool R::*> aFlags;
    } const aRows[] = {
        {122, {&R::m_bField, &R::m_bAirborne}},
        {123, {&R::m_bField, &R::m_bAirborne}},
        {124, {&R::m_bField, &R::m_bAirborne}},
        {125, {&R::m_bField, &R::m_bAirborne}},
        {123, {&R::m_bField, &R::m_bImpact}},
        {122, {&R::m_bField, &R::m_bImpactAirborne}},
        {128, {&R::m_bField, &R::m_bImpactAirborne}},
        {129, {&R::m_bField, &R::m_bImpactAirborne}},
        {126, {&R::m_bField, &R::m_bAirborne, &R::m_bCorner}},
        {132, {&R::m_bField, &R::m_bAirborne, &R::m_bCorner}},
    };
    const CAppSettings settings;
    for (const auto& row : aRows) {
        SCOPED_TRACE(row.nTableId);
        CReportInfo info;
        for (bool R::*pFlag : row.aFlags)
            info.*pFlag = true;
        const NBuildData rec = CNewMeasurement::Build(row.nTableId, info, "Untitled", settings);
        const CFilingRoute route = RouteMeasurement(info, rec.m_MeasSetup.GetMeasurementMode(), rec.m_MeasSetup.GetDescription(1));
        EXPECT_EQ(row.nTableId, route.m_nTableId);
        EXPECT_EQ(CString("Untitled"), rec.m_Spectrum.GetTitle());
        EXPECT_EQ(row.nTableId == 124 || row.nTableId == 126 ? 1 : 0, rec.m_Spectrum.GetType());

        // A background-noise record measured on channel 2, copied into the
        // table, is filed there too.
        NBuildData copied = CNewMeasurement::Build(125, info, "Copied", settings);
        copied.m_MeasSetup.SetActivateChannel(2);
        CNewMeasurement::AdaptToTable(copied, row.nTableId, info);
        const CFilingRoute copiedRoute =
            RouteMeasurement(info, copied.m_MeasSetup.GetMeasurementMode(), copied.m_MeasSetup.GetDescription(2));
        EXPECT_EQ(row.nTableId, copiedRoute.m_nTableId);
    }
}
