#pragma once
// CMethodCatalogue: the calculation methods the "New Project" dialog offers,
// as an array of descriptors and the tree that shows them, built without a
// window so the dialog only has to replay the tree into its tree control.

#include <vector>

#include "newproject/FacadeStandard.h"
#include "newproject/MethodRow.h"

class CMethodCatalogue
{
public:
    enum EItemKind
    {
        kRoot,    // top-level group, shown expanded
        kNode,    // category below a root or another node
        kMethod   // a method leaf
    };

    // One tree item, in insertion order: a parent always precedes its children.
    struct CItem
    {
        int m_nParent;    // item index, -1 for a root
        CString m_sText;
        EItemKind m_eKind;
        int m_nMethod;    // index in the method array; 0 for roots and nodes
    };

    CMethodCatalogue(int nVersion, const std::vector<CReportInfo>& aMruReportInfo);

// Attributes
    int GetVersion() const { return m_nVersion; }
    const std::vector<CReportInfo>& GetMethods() const { return m_aReportInfo; }
    const std::vector<CItem>& GetItems() const { return m_aItems; }
    int GetCaretItem() const { return m_nCaretItem; }

// Operations
    CReportInfo GetChosenMethod(int nItem) const;

private:
    int InsertItem(int nParent, const CString& sText, EItemKind eKind, int nMethod = 0);
    int InsertNode(int nParent, UINT nTextId);
    int InsertNode(int nParent, LPCTSTR szText);
    void InsertRows(int nParent, const CRowTable& rows);
    void InsertMethod(int nParent, const CMethodRow& row);
    void InsertFieldFamily(int nParent, LPCTSTR szFamily, const CRowTable& airborne,
                           const CRowTable& impact, const CFacadeStandard* pFacade = nullptr);
    void InsertFacadeMethods(int nParent, const CFacadeStandard& standard);
    bool OffersNewerStandards() const { return m_nVersion > 2; }

    void InsertMruMethods(const std::vector<CReportInfo>& aMruReportInfo);
    void InsertIsoFieldMethods(int nParent);
    void InsertSiaMethods(int nParent);
    void InsertOenFieldMethods(int nParent);
    void InsertBsMethods(int nParent);
    void InsertDinMethods(int nParent);
    void InsertAstmMethods(int nParent);
    void InsertSsMethods(int nParent);
    void InsertLabMethods();
    void InsertAdvancedMethods();
    void InsertAbsorptionMethods(int nParent);
    void InsertIntensityMethods(int nParent);
    void InsertMultiplotMethods();
    void InsertImpactAirborneMethods();
    void InsertReverberationMethods();

    int m_nVersion;
    bool m_bHasMru;
    std::vector<CReportInfo> m_aReportInfo;
    std::vector<CItem> m_aItems;
    int m_nCaretItem = -1;
};
