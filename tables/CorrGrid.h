#pragma once
// Classes in this file: CCorrGrid, the grid of the channel corrections
// dialog: the ten correction spectra of the settings side by side, each with
// its title, its channel and an "Init" button above one row per band from
// 50 Hz to 10 kHz. It checks and brings typed corrections to their form and
// writes everything back into the settings on request.

#include "grid/CGRButtonType.h"
#include "grid/CGRCtrl.h"
#include "grid/CGRNoteType.h"

#include "NSpectrum.h"

class CAppSettings;

class CCorrGrid : public CGRCtrl {
public:
    CCorrGrid();

    // Writes titles, channels and band values of the spectra the settings
    // hold back into them.
    void StoreCorrections();

    void OnSetup() override;
    void OnDClicked(int nCol, int nRow, CRect* pRect, CPoint* pPoint, int nProcessed) override;
    int OnEditStart(int nCol, int nRow, CWnd** ppEdit) override;
    int OnEditVerify(int nCol, int nRow, CWnd* pEdit, UINT* pnKey) override;
    int OnEditContinue(int nCol, int nRow, int* pnNewCol, int* pnNewRow) override;
    void OnCellChange(int nOldCol, int nNewCol, int nOldRow, int nNewRow) override;
    int OnCellTypeNotify(int nID, int nCol, int nRow, long lMessage, LONG_PTR lParam) override;
    void OnKeyDown(UINT* pnKey, int nProcessed) override;
    void OnCharDown(UINT* pnKey, int nProcessed) override;
    void OnCB_LClicked(int nUpDown, CRect* pRect, CPoint* pPoint, int nProcessed) override;
    void OnTH_LClicked(int nCol, int nRow, int nUpDown, CRect* pRect, CPoint* pPoint, int nProcessed) override;

    static constexpr int kTitleRow = 0;
    static constexpr int kChannelRow = 1;
    static constexpr int kInitRow = 2;
    static constexpr int kFirstBandRow = 3;
    static constexpr int kLastBandRow = 26;
    static constexpr int kBandOffset = 14;  // row r shows band r + 14
    static constexpr int kSlotCount = 10;   // columns 1 to 10
    static constexpr int kLastSpectrumCol = kSlotCount;

    char m_cDecimal;
    BYTE m_bEditing = 0;

private:
    static CAppSettings& Settings();
    void LayOutFrequencyColumn();
    void LayOutSpectrumColumn(int nCol, const NSpectrum& spectrum, int nSelection);
    void FillColumn(int nCol, const CString& sText);
    void MoveTo(int nCol, int nRow);
    // The key hook's target for nKey, or false when the grid's own move
    // goes on.
    bool KeyTarget(UINT nKey, int& nCol, int& nRow) const;
    void CommitCell(int nCol, int nRow);

    CGRNoteType m_noteType;
    CGRButtonType m_buttonType;
    int m_nNoteType = -1;
    int m_nButtonType = -1;
    bool m_bFirstKey = false;
};
