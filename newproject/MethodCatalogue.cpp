// CMethodCatalogue: builds the catalogue of calculation methods in the order
// the "New Project" tree shows them. A method's index in the array is the item
// data of its leaf, so the array order is exactly the order of the leaves:
// recently used methods first, then the families from "Field" to
// "Reverberation".

#include "newproject/MethodCatalogue.h"

#include "newproject/CatalogueTables.h"
#include "res/resource.h"

namespace
{

CString LoadText(UINT nId)
{
    CString sText;
    if (nId != 0)
        sText.LoadString(nId);
    return sText;
}

// The ÖNORM methods after EN ISO 16283 have no texts of their own: they take
// the ISO method's texts and name the Austrian edition of the standard.
void ToOenormText(CString& sText)
{
    sText.Replace(" ISO ", " \xD6NORM EN ISO ");
}

void ToOenormTemplate(CString& sTemplate)
{
    sTemplate.Replace("_ISO", "_OEN");
}

void DeriveTexts(CMethodRow::EDerivation eDerivation, CString& sLeaf, CString& sTitle, CString& sGraphTitle,
                 CString& sTemplate)
{
    switch (eDerivation)
    {
    case CMethodRow::kAsLoaded:
        break;
    case CMethodRow::kOenorm:
        ToOenormText(sLeaf);
        ToOenormText(sTitle);
        ToOenormTemplate(sTemplate);
        break;
    case CMethodRow::kModifiedIntensity:
        sLeaf = LoadText(IDS_MODIFIED_PREFIX) + sLeaf;
        sGraphTitle = LoadText(IDS_MODIFIED_PREFIX) + sGraphTitle;
        sTemplate.Replace("ISO", "Mod_ISO");
        break;
    }
}

// A descriptor with defaults, the row's flags and year, and its texts: loaded
// from the string table, derived, and the leaf joined from its pieces.
CReportInfo MakeReportInfo(const CMethodRow& row)
{
    CReportInfo info(true);
    for (ReportFlag pFlag : row.m_aFlags)
        if (pFlag != nullptr)
            info.*pFlag = true;
    info.m_nYear = row.m_nYear;

    CString sLeaf = LoadText(row.m_nLeafId);
    CString sTitle = LoadText(row.m_nTitleId);
    CString sGraphTitle = LoadText(row.m_nGraphTitleId);
    CString sTemplate = LoadText(row.m_nTemplateId);
    DeriveTexts(row.m_eDerivation, sLeaf, sTitle, sGraphTitle, sTemplate);
    if (row.m_nLeafPrefixId != 0)
        sLeaf = LoadText(row.m_nLeafPrefixId) + row.m_szLeafSeparator + sLeaf;

    info.m_sTitle = row.m_nTitleId != 0 ? sTitle : sLeaf;
    info.m_sSubTitle = LoadText(row.m_nSubTitleId);
    info.m_sIndexStr = row.m_szIndexStr;
    info.m_sSubscript = row.m_szSubscript;
    info.m_sGraphTitle = sGraphTitle;
    info.m_sTreeTitle = sLeaf;
    info.m_sTemplateFileName = sTemplate;
    if (row.m_nOptions & CMethodRow::kNoRemarksLabel)
        info.m_sRemarksLabel.Empty();
    return info;
}

} // namespace

CMethodCatalogue::CMethodCatalogue(int nVersion, const std::vector<CReportInfo>& aMruReportInfo)
    : m_nVersion(nVersion), m_bHasMru(!aMruReportInfo.empty())
{
    InsertMruMethods(aMruReportInfo);
    const int nField = InsertItem(-1, LoadText(IDS_FIELD), kRoot);
    InsertIsoFieldMethods(nField);
    InsertSiaMethods(nField);
    InsertOenFieldMethods(nField);
    InsertBsMethods(nField);
    InsertDinMethods(nField);
    InsertAstmMethods(nField);
    InsertSsMethods(nField);
    InsertLabMethods();
    InsertAdvancedMethods();
    InsertMultiplotMethods();
    InsertImpactAirborneMethods();
    InsertReverberationMethods();
}

// The method a tree item stands for when the user confirms with it. Roots and
// nodes carry item data 0 and so give the first method, as does no item (-1).
// A method without a template of its own is exported into the workbook named
// after its tree title.
CReportInfo CMethodCatalogue::GetChosenMethod(int nItem) const
{
    const int nMethod = nItem < 0 ? 0 : m_aItems.at(nItem).m_nMethod;
    CReportInfo info = m_aReportInfo.at(nMethod);
    if (info.m_sTemplateFileName.IsEmpty())
        info.m_sTemplateFileName = info.m_sTreeTitle;
    return info;
}

int CMethodCatalogue::InsertItem(int nParent, const CString& sText, EItemKind eKind, int nMethod)
{
    m_aItems.push_back(CItem{nParent, sText, eKind, nMethod});
    return static_cast<int>(m_aItems.size()) - 1;
}

int CMethodCatalogue::InsertNode(int nParent, UINT nTextId)
{
    return InsertItem(nParent, LoadText(nTextId), kNode);
}

int CMethodCatalogue::InsertNode(int nParent, LPCTSTR szText)
{
    return InsertItem(nParent, CString(szText), kNode);
}

void CMethodCatalogue::InsertRows(int nParent, const CRowTable& rows)
{
    for (int i = 0; i < rows.m_nCount; i++)
    {
        const CMethodRow& row = rows.m_pRows[i];
        if ((row.m_nOptions & CMethodRow::kNewerStandard) && !OffersNewerStandards())
            continue;
        InsertMethod(nParent, row);
    }
}

// One catalogue entry: the method's descriptor appended to the array and its
// leaf below the given node.
void CMethodCatalogue::InsertMethod(int nParent, const CMethodRow& row)
{
    m_aReportInfo.push_back(MakeReportInfo(row));
    const int nLeaf = InsertItem(nParent, m_aReportInfo.back().m_sTreeTitle, kMethod,
                                 static_cast<int>(m_aReportInfo.size()) - 1);
    if ((row.m_nOptions & CMethodRow::kCaretWhenNoMru) && !m_bHasMru)
        m_nCaretItem = nLeaf;
}

// A field family of standards: its node, the airborne methods (after the
// "Façade" branch, when the family has one) and, when it has any, the impact
// methods.
void CMethodCatalogue::InsertFieldFamily(int nParent, LPCTSTR szFamily, const CRowTable& airborne,
                                         const CRowTable& impact, const CFacadeStandard* pFacade)
{
    const int nFamily = InsertNode(nParent, szFamily);
    const int nAirborne = InsertNode(nFamily, IDS_AIRBORNE);
    if (pFacade)
        InsertFacadeMethods(nAirborne, *pFacade);
    InsertRows(nAirborne, airborne);
    if (impact.m_nCount > 0)
        InsertRows(InsertNode(nFamily, IDS_IMPACT), impact);
}

// The "Façade" branch: one node per sound source with one leaf per variant,
// "<source>, <variant title>".
void CMethodCatalogue::InsertFacadeMethods(int nParent, const CFacadeStandard& standard)
{
    static const struct
    {
        ReportFlag m_pFlag;
        LPCTSTR m_szIndexStr;
        UINT m_nGraphTitleId;
    } kQuantities[] = {
        {&CReportInfo::m_bReduction, "R'", IDS_GRAPH_APP_SRI},
        {&CReportInfo::m_bNormal, "D", IDS_GRAPH_NORM_LEVDIFF},
        {&CReportInfo::m_bStandard, "D", IDS_GRAPH_STD_LEVDIFF},
    };

    const int nFacade = InsertNode(nParent, IDS_FACADE);
    for (int s = 0; s < CFacadeStandard::kSourceCount; s++)
    {
        const CFacadeStandard::CSource& source = kFacadeSources[s];
        const int nSource = InsertNode(nFacade, source.m_nNodeId);
        const bool bLoudspeaker = source.m_pFlag == &CReportInfo::m_bLoudspeaker;
        for (int v = 0; v < CFacadeStandard::kVariantCount; v++)
        {
            const CFacadeStandard::CVariant& variant = kFacadeVariants[v];
            const CFacadeStandard::CTitle& title = standard.m_pTitles[v];
            const auto& quantity = kQuantities[variant.m_eQuantity];
            const bool bAverage = bLoudspeaker && (standard.m_nAverageLoudspeakerVariants >> v & 1u);
            const CMethodRow row = {
                0,
                {&CReportInfo::m_bField, &CReportInfo::m_bAirborne, standard.m_pStandardFlag,
                 &CReportInfo::m_bFacade, source.m_pFlag, quantity.m_pFlag,
                 variant.m_bCorner ? &CReportInfo::m_bCorner : nullptr,
                 bAverage ? &CReportInfo::m_bAverageLoudspeaker : nullptr},
                kNoYear,
                quantity.m_szIndexStr,
                source.m_aSubscripts[variant.m_eQuantity],
                title.m_nId,
                title.m_nId,
                variant.m_nSubTitleId,
                quantity.m_nGraphTitleId,
                standard.m_pTemplateIds[s][v],
                source.m_nNodeId,
                ", ",
                title.m_eDerivation};
            InsertMethod(nSource, row);
        }
    }
}

void CMethodCatalogue::InsertMruMethods(const std::vector<CReportInfo>& aMruReportInfo)
{
    const int nMru = InsertItem(-1, LoadText(IDS_MRU_ROOT), kRoot);
    for (const CReportInfo& info : aMruReportInfo)
    {
        m_aReportInfo.push_back(info);
        const int nLeaf = InsertItem(nMru, info.m_sTreeTitle, kMethod,
                                     static_cast<int>(m_aReportInfo.size()) - 1);
        if (m_nCaretItem < 0)
            m_nCaretItem = nLeaf;
    }
}

void CMethodCatalogue::InsertIsoFieldMethods(int nParent)
{
    InsertFieldFamily(nParent, "ISO", kIsoFieldAirborne, kIsoFieldImpact, &kIsoFacade);
}

void CMethodCatalogue::InsertSiaMethods(int nParent)
{
    InsertFieldFamily(nParent, "SIA", kSiaAirborne, kSiaImpact);
}

void CMethodCatalogue::InsertOenFieldMethods(int nParent)
{
    InsertFieldFamily(nParent, "\xD6NORM", kOenFieldAirborne, kOenFieldImpact, &kOenFacade);
}

void CMethodCatalogue::InsertBsMethods(int nParent)
{
    InsertFieldFamily(nParent, "BS", kBsAirborne, kBsImpact);
}

void CMethodCatalogue::InsertDinMethods(int nParent)
{
    InsertFieldFamily(nParent, "DIN", kDinAirborne, CRowTable{nullptr, 0});
}

void CMethodCatalogue::InsertAstmMethods(int nParent)
{
    InsertFieldFamily(nParent, "ASTM", kAstmAirborne, kAstmImpact);
}

void CMethodCatalogue::InsertSsMethods(int nParent)
{
    InsertFieldFamily(nParent, "SS", kSsAirborne, kSsImpact);
}

void CMethodCatalogue::InsertLabMethods()
{
    const int nLab = InsertItem(-1, LoadText(IDS_LABORATORY), kRoot);
    const int nIso = InsertNode(nLab, "ISO");
    InsertRows(InsertNode(nIso, IDS_AIRBORNE), kLabIsoAirborne);
    InsertRows(InsertNode(nIso, IDS_IMPACT), kLabIsoImpact);
    InsertRows(InsertNode(nIso, IDS_TOTAL_LOSS_FACTOR), kLabIsoLossFactor);
    const int nAstm = InsertNode(nLab, "ASTM");
    InsertRows(InsertNode(nAstm, IDS_AIRBORNE), kLabAstmAirborne);
    InsertRows(InsertNode(nAstm, IDS_IMPACT), kLabAstmImpact);
    InsertRows(InsertNode(InsertNode(nLab, "NF"), IDS_IMPACT), kLabNfImpact);
}

void CMethodCatalogue::InsertAdvancedMethods()
{
    const int nAdvanced = InsertItem(-1, CString("Advanced"), kRoot);
    InsertAbsorptionMethods(nAdvanced);
    if (OffersNewerStandards())
        InsertIntensityMethods(nAdvanced);
}

void CMethodCatalogue::InsertAbsorptionMethods(int nParent)
{
    InsertRows(InsertNode(InsertNode(nParent, IDS_ABSORPTION), "ISO"), kAbsorption);
}

void CMethodCatalogue::InsertIntensityMethods(int nParent)
{
    InsertRows(InsertNode(InsertNode(nParent, IDS_INTENSITY), "ISO"), kIntensity);
}

void CMethodCatalogue::InsertMultiplotMethods()
{
    const int nMultiplot = InsertItem(-1, LoadText(IDS_MULTIPLOT), kRoot);
    InsertRows(InsertNode(nMultiplot, "KELVARON"), kMultiplot);
}

void CMethodCatalogue::InsertImpactAirborneMethods()
{
    const int nRoot = InsertItem(-1, LoadText(IDS_IMPACT_AIRBORNE), kRoot);
    InsertRows(InsertNode(InsertNode(nRoot, "ISO"), IDS_IMPACT), kImpactAirborneIso);
    InsertRows(InsertNode(InsertNode(nRoot, "DIN"), IDS_IMPACT), kImpactAirborneDin);
}

void CMethodCatalogue::InsertReverberationMethods()
{
    const int nRoot = InsertItem(-1, LoadText(IDS_REVERBERATION), kRoot);
    InsertRows(InsertNode(nRoot, "DIN"), kReverberation);
}
