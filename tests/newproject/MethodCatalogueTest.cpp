// Tests of CMethodCatalogue: the methods and the tree of the "New Project"
// dialog, for programs of major version 4 and 2.
// Not tested here: the tree control that shows the catalogue (win tree).

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "newproject/CatalogueItemPath.h"
#include "newproject/MethodCatalogue.h"
#include "newproject/ReportInfoFlags.h"

namespace
{

const int kNewVersion = 4;
const int kOldVersion = 2;

const char kOenF1[] = "Apparent sound reduction index according to \xD6NORM EN ISO 16283-1";
const char kIsoRooms[] = "Apparent sound reduction index of rooms according to ISO 140-4";

using Items = std::vector<CMethodCatalogue::CItem>;

bool IsBelow(const Items& items, int nItem, int nAncestor)
{
    for (int n = items[nItem].m_nParent; n >= 0; n = items[n].m_nParent)
        if (n == nAncestor)
            return true;
    return false;
}

int CountMethodsBelow(const CMethodCatalogue& catalogue, const std::vector<std::string>& path)
{
    const int nNode = FindItem(catalogue, path);
    const Items& items = catalogue.GetItems();
    int nCount = 0;
    for (size_t i = 0; i < items.size(); i++)
        if (items[i].m_eKind == CMethodCatalogue::kMethod && IsBelow(items, static_cast<int>(i), nNode))
            nCount++;
    return nCount;
}

std::vector<std::string> ChildTexts(const CMethodCatalogue& catalogue, int nParent)
{
    std::vector<std::string> texts;
    for (const CMethodCatalogue::CItem& item : catalogue.GetItems())
        if (item.m_nParent == nParent)
            texts.push_back(static_cast<LPCTSTR>(item.m_sText));
    return texts;
}

CReportInfo MakeMruEntry(LPCTSTR szTreeTitle, LPCTSTR szTemplate)
{
    CReportInfo info(true);
    info.m_bLab = true;
    info.m_sTreeTitle = szTreeTitle;
    info.m_sGraphTitle = "Graph title";
    info.m_sTemplateFileName = szTemplate;
    return info;
}

} // namespace

TEST(MethodCatalogue, OffersTheFamiliesWithTheirCountsForEachVersion)
{
    const struct
    {
        std::vector<std::string> path;
        int nNewCount;
        int nOldCount;
    } rows[] = {
        {{"Field"}, 134, 115},
        {{"Field", "ISO"}, 53, 42},
        {{"Field", "ISO", "Airborne", "Fa\xE7" "ade"}, 36, 36},
        {{"Field", "ISO", "Impact"}, 6, 2},
        {{"Field", "SIA"}, 11, 11},
        {{"Field", "\xD6NORM"}, 50, 42},
        {{"Field", "\xD6NORM", "Airborne", "Fa\xE7" "ade"}, 36, 36},
        {{"Field", "BS"}, 6, 6},
        {{"Field", "DIN"}, 5, 5},
        {{"Field", "ASTM"}, 5, 5},
        {{"Field", "SS"}, 4, 4},
        {{"Laboratory"}, 25, 15},
        {{"Laboratory", "ISO", "Impact"}, 7, 4},
        {{"Advanced"}, 11, 3},
        {{"Advanced", "Intensity"}, 8, 0},
        {{"Multiplot"}, 1, 1},
        {{"Impact with airborne noise"}, 10, 2},
        {{"Impact with airborne noise", "DIN", "Impact"}, 2, 0},
        {{"Reverberation"}, 2, 2},
    };
    const CMethodCatalogue newCatalogue(kNewVersion, {});
    const CMethodCatalogue oldCatalogue(kOldVersion, {});
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.path.back());
        ASSERT_GE(FindItem(newCatalogue, row.path), 0);
        EXPECT_EQ(CountMethodsBelow(newCatalogue, row.path), row.nNewCount);
        EXPECT_EQ(CountMethodsBelow(oldCatalogue, row.path), row.nOldCount);
    }
    EXPECT_EQ(newCatalogue.GetMethods().size(), 183u);
    EXPECT_EQ(oldCatalogue.GetMethods().size(), 138u);
}

TEST(MethodCatalogue, GatesTheNewerStandardsAboveMajorVersionTwo)
{
    const struct
    {
        int nVersion;
        size_t nMethods;
    } rows[] = {{-1, 138}, {0, 138}, {2, 138}, {3, 183}, {40, 183}};
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.nVersion);
        EXPECT_EQ(CMethodCatalogue(row.nVersion, {}).GetMethods().size(), row.nMethods);
    }
}

TEST(MethodCatalogue, ShowsTheRootsInOrderWithTheMruRootEvenWhenEmpty)
{
    const CMethodCatalogue catalogue(kNewVersion, {});
    const std::vector<std::string> roots = {"MRU (Most Recently Used)", "Field", "Laboratory", "Advanced",
                                            "Multiplot", "Impact with airborne noise", "Reverberation"};
    EXPECT_EQ(ChildTexts(catalogue, -1), roots);
    for (const CMethodCatalogue::CItem& item : catalogue.GetItems())
        EXPECT_EQ(item.m_eKind == CMethodCatalogue::kRoot, item.m_nParent < 0);
}

TEST(MethodCatalogue, KeepsTheTreeShapeOfEachFamily)
{
    const struct
    {
        int nVersion;
        std::vector<std::string> path;
        std::vector<std::string> children;
    } rows[] = {
        {kNewVersion, {"Field"}, {"ISO", "SIA", "\xD6NORM", "BS", "DIN", "ASTM", "SS"}},
        {kOldVersion, {"Field", "DIN"}, {"Airborne"}},
        {kOldVersion, {"Field", "ISO", "Airborne"},
         {"Fa\xE7" "ade", kIsoRooms, "Apparent sound reduction index of elements according to ISO 140-4",
          "Normalized level difference according to ISO 140-4", "Standardized level difference according to ISO 140-4"}},
        {kNewVersion, {"Field", "ISO", "Airborne", "Fa\xE7" "ade"},
         {"Loudspeaker", "Road traffic", "Railway traffic", "Air traffic"}},
        {kOldVersion, {"Laboratory"}, {"ISO", "ASTM", "NF"}},
        {kOldVersion, {"Laboratory", "ISO"}, {"Airborne", "Impact", "Total loss factor"}},
        {kNewVersion, {"Advanced"}, {"Absorption", "Intensity"}},
        {kOldVersion, {"Advanced"}, {"Absorption"}},
        {kNewVersion, {"Multiplot", "KELVARON"}, {"Multiplot"}},
        {kOldVersion, {"Impact with airborne noise", "DIN", "Impact"}, {}},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.path.back());
        const CMethodCatalogue catalogue(row.nVersion, {});
        const int nNode = FindItem(catalogue, row.path);
        ASSERT_GE(nNode, 0);
        EXPECT_EQ(ChildTexts(catalogue, nNode), row.children);
    }
}

TEST(MethodCatalogue, PutsTheOenormCounterpartsAfterTheFacadeBranch)
{
    const CMethodCatalogue catalogue(kNewVersion, {});
    const std::vector<std::string> children = ChildTexts(catalogue, FindItem(catalogue, {"Field", "\xD6NORM", "Airborne"}));
    ASSERT_EQ(children.size(), 9u);
    EXPECT_EQ(children[0], "Fa\xE7" "ade");
    EXPECT_EQ(children[1], kOenF1);
    EXPECT_EQ(children[5], "Apparent sound reduction index of rooms according to \xD6NORM EN ISO 140-4");
}

TEST(MethodCatalogue, GivesEachLeafTheIndexOfItsMethodInTreeOrder)
{
    for (int nVersion : {kNewVersion, kOldVersion})
    {
        SCOPED_TRACE(nVersion);
        const CMethodCatalogue catalogue(nVersion, {MakeMruEntry("Recent", "Recent.xls")});
        int nNext = 0;
        for (const CMethodCatalogue::CItem& item : catalogue.GetItems())
        {
            if (item.m_eKind != CMethodCatalogue::kMethod)
            {
                EXPECT_EQ(item.m_nMethod, 0);
                continue;
            }
            ASSERT_EQ(item.m_nMethod, nNext++);
            EXPECT_STREQ(item.m_sText, catalogue.GetMethods()[item.m_nMethod].m_sTreeTitle);
        }
        EXPECT_EQ(nNext, static_cast<int>(catalogue.GetMethods().size()));
    }
}

TEST(MethodCatalogue, FillsTheDescriptorOfSampleMethodsFieldByField)
{
    const struct
    {
        int nVersion;
        int nIndex;
        const char* szTreeTitle;
        const char* szTitle;
        const char* szSubTitle;
        const char* szGraphTitle;
        const char* szIndexStr;
        const char* szSubscript;
        const char* szTemplate;
        int nYear;
        std::set<std::string> flags;
    } rows[] = {
        {kNewVersion, 0, "Loudspeaker, Apparent sound reduction index according to ISO 16283-3",
         "Apparent sound reduction index according to ISO 16283-3", "Field measurements of facade sound insulation",
         "Apparent sound reduction index", "R'", "45\xB0", "Ls_App_SRI_ISO16283_3.xls", -999,
         {"m_bField", "m_bAirborne", "m_bISO", "m_bFacade", "m_bLoudspeaker", "m_bReduction", "m_bAverageLoudspeaker"}},
        {kNewVersion, 29, "Air traffic, Standardized level difference according to ISO 16283-3",
         "Standardized level difference according to ISO 16283-3", "Field measurements of facade sound insulation",
         "Standardized level difference", "D", "at,2m,nT", "Air_StdLevDiff_ISO16283_3.xls", -999,
         {"m_bField", "m_bAirborne", "m_bISO", "m_bFacade", "m_bAirTraffic", "m_bStandard"}},
        {kNewVersion, 36, "Apparent sound reduction index according to ISO 16283-1",
         "Apparent sound reduction index according to ISO 16283-1",
         "Field measurements of airborne sound insulation between rooms", "Apparent sound reduction index", "R'", "",
         "App_SRI_ISO16283_1.xls", -999,
         {"m_bField", "m_bAirborne", "m_bISO", "m_bElements", "m_bReduction", "m_bAverageLoudspeaker"}},
        {kNewVersion, 41, "Apparent sound reduction index according to ISO 16283-1 (Single loudspeaker)",
         "Apparent sound reduction index according to ISO 16283-1",
         "Field measurements of airborne sound insulation between rooms", "Apparent sound reduction index", "R'", "",
         "App_SRI_ISO16283_1_Single.xls", 2014,
         {"m_bField", "m_bAirborne", "m_bISO", "m_bElements", "m_bReduction", "m_bApparent", "m_bSingleLoudspeaker"}},
        {kOldVersion, 36, kIsoRooms, "Apparent sound reduction index according to ISO 140-4",
         "Field measurements of airborne sound insulation between rooms", "Apparent sound reduction index", "R'", "",
         "App_SRI_Room_ISO140_4.xls", -999, {"m_bField", "m_bAirborne", "m_bISO", "m_bRoom", "m_bReduction"}},
        {kNewVersion, 64, "Loudspeaker, Apparent sound reduction index according to \xD6NORM EN ISO 16283-3",
         "Apparent sound reduction index according to \xD6NORM EN ISO 16283-3",
         "Field measurements of facade sound insulation", "Apparent sound reduction index", "R'", "45\xB0",
         "Ls_App_SRI_OEN16283_3.xls", -999,
         {"m_bField", "m_bAirborne", "m_bOEN", "m_bFacade", "m_bLoudspeaker", "m_bReduction"}},
        {kNewVersion, 80, "Road traffic, Normalized level difference according to \xD6NORM EN ISO 140-5",
         "Normalized level difference according to \xD6NORM EN ISO 140-5",
         "Field measurements of airborne sound insulation of fa\xE7" "ade elements and fa\xE7" "ades",
         "Normalized level difference", "D", "tr,2m,n", "Road_NormLevDiff_OEN140_5.xls", -999,
         {"m_bField", "m_bAirborne", "m_bOEN", "m_bFacade", "m_bRoadTraffic", "m_bNormal"}},
        {kNewVersion, 96,
         "Air traffic, Standardized level difference according to \xD6NORM EN ISO 16283-3 (Low Frequency)",
         "Standardized level difference according to \xD6NORM EN ISO 16283-3 (Low Frequency)",
         "Field measurements of facade sound insulation", "Standardized level difference", "D", "at,2m,nT",
         "Air_StdLevDiff_OEN16283_3_LowFreq.xls", -999,
         {"m_bField", "m_bAirborne", "m_bOEN", "m_bFacade", "m_bAirTraffic", "m_bStandard", "m_bCorner"}},
        {kNewVersion, 100, kOenF1, kOenF1, "Field measurements of airborne sound insulation between rooms",
         "Apparent sound reduction index", "R'", "", "App_SRI_OEN16283_1.xls", -999,
         {"m_bField", "m_bAirborne", "m_bOEN", "m_bElements", "m_bReduction", "m_bAverageLoudspeaker"}},
        {kNewVersion, 108, "Normalized impact sound pressure levels according to \xD6NORM EN ISO 16283-2",
         "Normalized impact sound pressure levels according to \xD6NORM EN ISO 16283-2",
         "Field measurements of impact sound insulation of floors", "Normalized impact sound pressure level", "L'", "n",
         "NormImpact_SPL_OEN_16283_2.xls", -999,
         {"m_bField", "m_bImpact", "m_bOEN", "m_bNormal", "m_bAverageLoudspeaker"}},
        {kNewVersion, 56, "Loudspeaker (ISO 16283-3), Standardized level difference according to SIA 181-2006",
         "Standardized level difference according to SIA 181-2006 / ISO 16283-3",
         "Field measurements of airborne sound insulation of fa\xE7" "ade elements and fa\xE7" "ades",
         "Standardized level difference", "D", "ls,2m,nT", "LsISO16283_StdLevDiff_SIA181_2006.xls", 2006,
         {"m_bField", "m_bAirborne", "m_bSIA", "m_bFacade", "m_bLoudspeaker", "m_bStandard"}},
        {kNewVersion, 61, "Loudspeaker, Standardized level difference according to SIA 181-1988",
         "Standardized level difference according to SIA 181-1988",
         "Field measurements of airborne sound insulation of fa\xE7" "ade elements and fa\xE7" "ades",
         "Standardized level difference", "D", "nT,", "Ls_StdLevDiff_SIA181_1988.xls", 1988,
         {"m_bField", "m_bAirborne", "m_bSIA", "m_bFacade", "m_bLoudspeaker", "m_bStandard"}},
        {kNewVersion, 122, "Loudspeaker, Close range, Apparent sound reduction index according to DIN 4109-4",
         "Apparent sound reduction index according to DIN 4109-4",
         "Field measurements of airborne sound insulation of fa\xE7" "ade elements - Close range",
         "Apparent sound reduction index", "R'", " ", "Ls_Bau_SDM_DIN4109_4_Nah.xls", -999,
         {"m_bField", "m_bAirborne", "m_bDIN", "m_bFacade", "m_bLoudspeaker", "m_bCloseRange", "m_bReduction"}},
        {kOldVersion, 103, "Loudspeaker, Close range, Apparent sound reduction index according to DIN 4109-4",
         "Apparent sound reduction index according to DIN 4109-4",
         "Field measurements of airborne sound insulation of fa\xE7" "ade elements - Close range",
         "Apparent sound reduction index", "R'", " ", "Ls_Bau_SDM_DIN4109_4_Nah.xls", -999,
         {"m_bField", "m_bAirborne", "m_bDIN", "m_bFacade", "m_bLoudspeaker", "m_bCloseRange", "m_bReduction"}},
        {kNewVersion, 127, "Noise reduction according to ASTM E 336 - 16 / E 413 - 10", "Noise reduction",
         "ASTM E 336 - 16 / ASTM E 413 - 10", "Noise reduction", "NR", "", "NoiseReduction_ASTM_E336.xls", -999,
         {"m_bField", "m_bAirborne", "m_bASTM", "m_bDifference"}},
        {kNewVersion, 140, "Sound reduction improvement index according to ISO 10140",
         "Sound reduction improvement index according to ISO 10140",
         "Laboratory measurement of the sound reduction index improvement by additional lining",
         "Sound reduction improvement index", "R", "", "ReductImprove_ISO10140.xls", -999,
         {"m_bLab", "m_bAirborne", "m_bISO", "m_bImprovement"}},
        {kNewVersion, 154, "Total loss factor according to ISO 140-3", "Total loss factor according to ISO 140-3", "",
         "Total loss factor", "h", "", "TotalLossFactor_ISO140_3.xls", -999, {"m_bLab", "m_bTotalLossFactor", "m_bISO"}},
        {kNewVersion, 158, "Normalized impact sound pressure levels according to NF S 31-074",
         "Normalized impact sound pressure levels according to NF S 31-074",
         "Laboratory measurement of in room impact noise by floor covering put in this room",
         "Normalized impact sound pressure level", "L", "n,e", "NormImpact_SPL_NFS31_074.xls", -999,
         {"m_bLab", "m_bImpactCorrected", "m_bNF", "m_bNormal"}},
        {kNewVersion, 166, "Modified:Apparent intensity sound reduction index according to ISO 15186-2",
         "Modified:Apparent intensity sound reduction index according to ISO 15186-2",
         "Measurement of sound insulation in buildings and of building elements using sound intensity",
         "Modified:Apparent intensity sound reduction index", "R'", "Im", "App_Intensity_SRI_Mod_ISO15186.xls", -999,
         {"m_bField", "m_bAirborne", "m_bISO", "m_bIntensity", "m_bIntensityModified", "m_bReduction", "m_bRoom"}},
        {kNewVersion, 170, "Multiplot", "Multiplot", "Multiplot", "Multiplot", "", "", "Multiplot", -999, {"m_bMultiplot"}},
        {kNewVersion, 176, "Reduction of impact sound pressure level according to ISO 10140 (Heavy)",
         "Reduction of impact sound pressure level according to ISO 10140",
         "Laboratory measurements of the reduction of transmitted impact noise by floor coverings on a heavyweight "
         "standard floor",
         "Reduction of impact sound pressure level", "L", "", "ReducImpact_Heavy_ISO10140.xls", -999,
         {"m_bLab", "m_bImpact", "m_bISO", "m_bReduction"}},
        {kOldVersion, 137, "Reverberation time according to DIN EN ISO 3382-1:2009",
         "Reverberation time according to DIN EN ISO 3382-1:2009", "", "Reverberation time", "T", "mid",
         "Reverberation_DINENISO3382.xls", -999, {"m_bField", "m_bReverberation", "m_bISO"}},
    };
    const CMethodCatalogue newCatalogue(kNewVersion, {});
    const CMethodCatalogue oldCatalogue(kOldVersion, {});
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.szTreeTitle);
        const CMethodCatalogue& catalogue = row.nVersion == kNewVersion ? newCatalogue : oldCatalogue;
        const CReportInfo& info = catalogue.GetMethods().at(row.nIndex);
        EXPECT_STREQ(info.m_sTreeTitle, row.szTreeTitle);
        EXPECT_STREQ(info.m_sTitle, row.szTitle);
        EXPECT_STREQ(info.m_sSubTitle, row.szSubTitle);
        EXPECT_STREQ(info.m_sGraphTitle, row.szGraphTitle);
        EXPECT_STREQ(info.m_sIndexStr, row.szIndexStr);
        EXPECT_STREQ(info.m_sSubscript, row.szSubscript);
        EXPECT_STREQ(info.m_sTemplateFileName, row.szTemplate);
        EXPECT_EQ(info.m_nYear, row.nYear);
        EXPECT_EQ(info.m_nCoincidenceFreq, 0);
        for (const CReportInfoFlag& flag : kReportInfoFlags)
            EXPECT_EQ(info.*flag.m_pFlag, row.flags.count(flag.m_szName) == 1) << flag.m_szName;
    }
}

TEST(MethodCatalogue, EmptiesTheRemarksCaptionOfTheLossFactorMethodsOnly)
{
    const CMethodCatalogue catalogue(kNewVersion, {});
    for (const CReportInfo& info : catalogue.GetMethods())
    {
        SCOPED_TRACE(static_cast<LPCTSTR>(info.m_sTreeTitle));
        EXPECT_EQ(info.m_sRemarksLabel.IsEmpty() != FALSE, info.m_bTotalLossFactor);
    }
}

TEST(MethodCatalogue, JoinsEachFacadeLeafFromItsSourceAndTitle)
{
    const CMethodCatalogue catalogue(kNewVersion, {});
    const Items& items = catalogue.GetItems();
    for (const char* szStandard : {"ISO", "\xD6NORM"})
    {
        const int nFacade = FindItem(catalogue, {"Field", szStandard, "Airborne", "Fa\xE7" "ade"});
        for (size_t i = 0; i < items.size(); i++)
        {
            if (items[i].m_eKind != CMethodCatalogue::kMethod || !IsBelow(items, static_cast<int>(i), nFacade))
                continue;
            const CReportInfo& info = catalogue.GetMethods()[items[i].m_nMethod];
            SCOPED_TRACE(static_cast<LPCTSTR>(info.m_sTreeTitle));
            const CString sSource = items[items[i].m_nParent].m_sText;
            EXPECT_STREQ(info.m_sTreeTitle, sSource + ", " + info.m_sTitle);
        }
    }
}

TEST(MethodCatalogue, NamesADistinctTemplateForEveryIsoAndOenormFieldMethod)
{
    const CMethodCatalogue catalogue(kNewVersion, {});
    std::set<std::string> templates;
    int nMethods = 0;
    for (const CReportInfo& info : catalogue.GetMethods())
    {
        if (!info.m_bField || info.m_bImpactAirborne || !(info.m_bISO || info.m_bOEN) || info.m_bIntensity ||
            info.m_bReverberation)
            continue;
        nMethods++;
        templates.insert(static_cast<LPCTSTR>(info.m_sTemplateFileName));
    }
    EXPECT_EQ(nMethods, 53 + 50);
    // Rows 1 and 3 of ISO 16283-1 share their workbook.
    EXPECT_EQ(templates.size(), 53u + 50u - 1u);
}

TEST(MethodCatalogue, DerivesTheOenormTextsFromTheIsoTexts)
{
    const CMethodCatalogue catalogue(kNewVersion, {});
    int nDerived = 0;
    for (const CReportInfo& info : catalogue.GetMethods())
    {
        if (!info.m_bOEN)
            continue;
        SCOPED_TRACE(static_cast<LPCTSTR>(info.m_sTreeTitle));
        CString sIsoLeft = info.m_sTreeTitle;
        EXPECT_EQ(sIsoLeft.Replace(" \xD6NORM EN ISO ", ""), 1);
        EXPECT_EQ(sIsoLeft.Find("ISO"), -1);
        const std::string sTemplate = static_cast<LPCTSTR>(info.m_sTemplateFileName);
        EXPECT_NE(sTemplate.find("_OEN"), std::string::npos);
        EXPECT_EQ(sTemplate.find("ISO"), std::string::npos);
        nDerived++;
    }
    EXPECT_EQ(nDerived, 50);
}

TEST(MethodCatalogue, AveragesTheLoudspeakerFacadeMethodsAsEachStandardDoes)
{
    const CMethodCatalogue catalogue(kNewVersion, {});
    // The nine loudspeaker variants: ISO from index 0, ÖNORM from index 64.
    const bool isoAverages[9] = {true, true, true, true, true, true, false, false, false};
    const bool oenAverages[9] = {false, true, true, false, true, true, false, false, false};
    for (int v = 0; v < 9; v++)
    {
        SCOPED_TRACE(v + 1);
        EXPECT_EQ(catalogue.GetMethods()[v].m_bAverageLoudspeaker, isoAverages[v]);
        EXPECT_EQ(catalogue.GetMethods()[64 + v].m_bAverageLoudspeaker, oenAverages[v]);
    }
    for (const CReportInfo& info : catalogue.GetMethods())
    {
        SCOPED_TRACE(static_cast<LPCTSTR>(info.m_sTreeTitle));
        EXPECT_FALSE(info.m_bFacade && !info.m_bLoudspeaker && info.m_bAverageLoudspeaker);
    }
}

TEST(MethodCatalogue, DerivesEachModifiedIntensityMethodFromItsStandardMethod)
{
    const CMethodCatalogue catalogue(kNewVersion, {});
    const int nFirst = 162;
    for (int k = 0; k < 4; k++)
    {
        const CReportInfo& standard = catalogue.GetMethods()[nFirst + k];
        const CReportInfo& modified = catalogue.GetMethods()[nFirst + 4 + k];
        SCOPED_TRACE(static_cast<LPCTSTR>(standard.m_sTreeTitle));
        ASSERT_TRUE(standard.m_bIntensity && !standard.m_bIntensityModified);
        EXPECT_STREQ(modified.m_sTreeTitle, "Modified:" + standard.m_sTreeTitle);
        EXPECT_STREQ(modified.m_sTitle, "Modified:" + standard.m_sTitle);
        EXPECT_STREQ(modified.m_sGraphTitle, "Modified:" + standard.m_sGraphTitle);
        EXPECT_STREQ(modified.m_sSubscript, standard.m_sSubscript + "m");
        CString sTemplate = standard.m_sTemplateFileName;
        sTemplate.Replace("ISO", "Mod_ISO");
        EXPECT_STREQ(modified.m_sTemplateFileName, sTemplate);
        for (const CReportInfoFlag& flag : kReportInfoFlags)
        {
            const bool bExpected = standard.*flag.m_pFlag || flag.m_pFlag == &CReportInfo::m_bIntensityModified;
            EXPECT_EQ(modified.*flag.m_pFlag, bExpected) << flag.m_szName;
        }
    }
}

TEST(MethodCatalogue, PreselectsByVersionWhenNoMethodWasUsedRecently)
{
    const struct
    {
        int nVersion;
        const char* szCaret;
    } rows[] = {{kNewVersion, kOenF1}, {3, kOenF1}, {kOldVersion, kIsoRooms}, {0, kIsoRooms}};
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.nVersion);
        const CMethodCatalogue catalogue(row.nVersion, {});
        ASSERT_GE(catalogue.GetCaretItem(), 0);
        EXPECT_STREQ(catalogue.GetItems()[catalogue.GetCaretItem()].m_sText, row.szCaret);
    }
}

TEST(MethodCatalogue, OffersRecentlyUsedMethodsFirstAndPreselectsTheFirst)
{
    const std::vector<CReportInfo> mru = {MakeMruEntry("First", "First.xls"), MakeMruEntry("Second", "")};
    const CMethodCatalogue catalogue(kNewVersion, mru);
    ASSERT_EQ(catalogue.GetMethods().size(), 185u);
    EXPECT_STREQ(catalogue.GetMethods()[0].m_sTreeTitle, "First");
    EXPECT_STREQ(catalogue.GetMethods()[1].m_sTreeTitle, "Second");
    EXPECT_STREQ(catalogue.GetMethods()[2].m_sTreeTitle,
                 "Loudspeaker, Apparent sound reduction index according to ISO 16283-3");
    EXPECT_EQ(ChildTexts(catalogue, 0), (std::vector<std::string>{"First", "Second"}));
    const CMethodCatalogue::CItem& caret = catalogue.GetItems().at(catalogue.GetCaretItem());
    EXPECT_EQ(caret.m_nParent, 0);
    EXPECT_EQ(caret.m_nMethod, 0);
}

TEST(MethodCatalogue, ResolvesTheChosenItemToItsMethod)
{
    const std::vector<CReportInfo> mru = {MakeMruEntry("First", "First.xls"), MakeMruEntry("Second", "")};
    const CMethodCatalogue withMru(kNewVersion, mru);
    const CMethodCatalogue withoutMru(kNewVersion, {});
    const int nSecond = FindItem(withMru, {"MRU (Most Recently Used)", "Second"});
    const int nField = FindItem(withMru, {"Field"});
    const int nRooms = FindItem(withoutMru, {"Field", "ISO", "Airborne", kIsoRooms});
    const struct
    {
        const char* szCase;
        const CMethodCatalogue& catalogue;
        int nItem;
        const char* szTreeTitle;
        const char* szTemplate;
    } rows[] = {
        {"leaf", withoutMru, nRooms, kIsoRooms, "App_SRI_Room_ISO140_4.xls"},
        {"no template", withMru, nSecond, "Second", "Second"},
        {"node", withMru, nField, "First", "First.xls"},
        {"no item", withMru, -1, "First", "First.xls"},
        {"no item, no recent", withoutMru, -1, "Loudspeaker, Apparent sound reduction index according to ISO 16283-3",
         "Ls_App_SRI_ISO16283_3.xls"},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.szCase);
        const CReportInfo info = row.catalogue.GetChosenMethod(row.nItem);
        EXPECT_STREQ(info.m_sTreeTitle, row.szTreeTitle);
        EXPECT_STREQ(info.m_sTemplateFileName, row.szTemplate);
    }
}
