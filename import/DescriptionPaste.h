#pragma once
// Classes in this file: CDescriptionPaste, the paste of a copied project's
// descriptor and results into the project of the tree's selection: result
// curves into a multiplot project or into the facility tables of laboratory
// and single-loudspeaker projects, and the report's descriptive fields.

#include "TreeClipboardHost.h"

class CDescriptionPaste {
public:
    explicit CDescriptionPaste(CTreeClipboardHost& host) : m_host(host) {}

    // 0 after work (the project is always recalculated); -1 without a
    // selected project.
    int PasteProjectDescription();

private:
    void AddResultCurves(CProjectDoc& target, DWORD_PTR dwItem, bool bProjectNode);
    void AddLabCurves(CProjectDoc& target, DWORD_PTR dwItem);
    void AddCurve(CProjectDoc& target, int nSpectrum, bool bOnlyValid, int nRole, int nMode = 0);
    NBuildData ResultCurve(int nSpectrum, bool bOnlyValid, int nRole, int nMode) const;
    void MarkSingleLoudspeakerBands(NBuildData& curve, const CProjectDoc& target) const;
    void MarkCorrectedBands(NBuildData& curve, const CProjectDoc& target) const;
    void CopyDescription(CReportInfo& info) const;

    CTreeClipboardHost& m_host;
};
