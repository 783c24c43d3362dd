#pragma once
// CMethodRow: one method of the catalogue as data — the descriptor flags it
// sets, its edition year, its symbols and the string-table ids of its texts.
// CRowTable: a run of rows that a builder inserts below one node.

#include "afx.h"
#include "model/ReportInfo.h"

using ReportFlag = decltype(&CReportInfo::m_bField);

struct CMethodRow
{
    enum { kMaxFlags = 8 };

    // How the loaded texts are turned into the method's texts.
    enum EDerivation
    {
        kAsLoaded,          // the texts as the string table holds them
        kOenorm,            // an ISO method's texts, turned into the ÖNORM method's
        kModifiedIntensity  // an intensity method's texts, turned into its modified form
    };

    // Options, or-ed together.
    enum
    {
        kNewerStandard = 1,    // offered only when the major version is above 2
        kCaretWhenNoMru = 2,   // preselected when no method was used recently
        kNoRemarksLabel = 4    // the remarks caption is emptied
    };

    int m_nOptions;
    ReportFlag m_aFlags[kMaxFlags];  // flags the method sets; unused slots null
    int m_nYear;                     // edition, or kNoYear
    LPCTSTR m_szIndexStr;
    LPCTSTR m_szSubscript;
    UINT m_nLeafId;
    UINT m_nTitleId;                 // 0: the title is the leaf text
    UINT m_nSubTitleId;              // 0: no sub-title
    UINT m_nGraphTitleId;
    UINT m_nTemplateId;
    UINT m_nLeafPrefixId = 0;        // 0: the leaf text is m_nLeafId's text alone
    LPCTSTR m_szLeafSeparator = "";  // between the prefix and m_nLeafId's text
    EDerivation m_eDerivation = kAsLoaded;
};

constexpr int kNoYear = -999;

struct CRowTable
{
    const CMethodRow* m_pRows;
    int m_nCount;
};

template <int N>
constexpr CRowTable MakeRowTable(const CMethodRow (&rows)[N])
{
    return CRowTable{rows, N};
}
