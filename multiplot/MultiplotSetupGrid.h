#pragma once
// Classes in this file: CMultiplotSetupGrid, the curve list of the multiplot
// set-up: per curve its line sample (width or style, spun 0..4), its colour
// (spun through the sixteen line colours) and its title.

#include "app/AppSettings.h"
#include "grid/CGRCtrl.h"
#include "grid/CGRSpinButtonType.h"

#include "afxwin.h"

class CMultiplotSetupGrid : public CGRCtrl {
public:
    static constexpr int kSampleCol = 0;
    static constexpr int kColorCol = 2;
    static constexpr int kTitleCol = 4;

    CMultiplotSetupGrid();

    // The row of curve n (0..9).
    static int RowOf(int nCurve) { return 2 * nCurve + 1; }

    void OnSetup() override;
    int OnCellTypeNotify(int nID, int nCol, int nRow, long lMessage, LONG_PTR lParam) override;
    // Shows every curve's width (line type 0) or style (line type 1).
    virtual void UpdateLineSamples();
    // Reads the shown samples and colours back into the arrays.
    virtual void ReadLineSettings();

    int m_nLineType = 1;
    int m_aLineColor[kMultiplotCurveCount] = {};
    int m_aLineStyle[kMultiplotCurveCount] = {};
    CString m_aLineTitle[kMultiplotCurveCount];
    int m_aLineSize[kMultiplotCurveCount] = {};

private:
    void LayOutHeadings();
    void LayOutCurve(int nCurve);
    void LayOutSample(int nCurve);
    void ShowSample(int nRow, int nValue);
    void SpinColor(int nRow, bool bUp);
    void SpinSample(int nRow, bool bUp);
    int* ShownValues() { return m_nLineType == 1 ? m_aLineStyle : m_aLineSize; }
    CBitmap* SampleBitmap(UINT nSampleId);

    static constexpr int kSampleCount = 9;
    CBitmap m_aSamples[kSampleCount];
    UINT m_aSampleIds[kSampleCount] = {};
    CGRSpinButtonType m_spinType;
    int m_nSpinType = -1;
};
