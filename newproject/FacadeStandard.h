#pragma once
// CFacadeStandard: the façade methods of one standard family as a grid of
// sound sources × method variants; the catalogue generates one method per cell.

#include "newproject/MethodRow.h"

struct CFacadeStandard
{
    enum { kSourceCount = 4, kVariantCount = 9 };

    enum EQuantity { kReduction, kNormal, kStandard };

    struct CSource
    {
        UINT m_nNodeId;
        ReportFlag m_pFlag;
        LPCTSTR m_aSubscripts[3];  // by EQuantity
    };

    struct CVariant
    {
        EQuantity m_eQuantity;
        UINT m_nSubTitleId;
        bool m_bCorner;
    };

    struct CTitle
    {
        UINT m_nId;
        CMethodRow::EDerivation m_eDerivation;
    };

    ReportFlag m_pStandardFlag;
    const CTitle* m_pTitles;                             // kVariantCount
    const UINT (*m_pTemplateIds)[kVariantCount];         // kSourceCount rows
    unsigned m_nAverageLoudspeakerVariants;              // bit v: loudspeaker variant v averages
};

extern const CFacadeStandard::CVariant kFacadeVariants[CFacadeStandard::kVariantCount];
extern const CFacadeStandard::CSource kFacadeSources[CFacadeStandard::kSourceCount];
extern const CFacadeStandard kIsoFacade;
extern const CFacadeStandard kOenFacade;
