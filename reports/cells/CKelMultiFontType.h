#pragma once
// Classes in this file: CKelMultiFontType ("Kelvaron Multi-Font"), the grid
// cell type whose text carries formatting tags (CMultiFontTag): a rating
// symbol with subscripts, superscript note numbers, another font or
// colour in one cell. The text is drawn character by character.

#include "grid/CGRCellType.h"

#include "CFont.h"

class CMultiFontTag;

class CKelMultiFontType : public CGRCellType {
public:
    CKelMultiFontType();
    ~CKelMultiFontType() override;

    LPCTSTR GetName() override;
    const CGRTypeId& GetTypeId() override;
    void OnDraw(CDC* pDC, CRect* pRect, int nCol, int nRow, CGRCell* pCell, int nSelected,
                int nCurrent) override;
    void GetBestSize(CDC* pDC, CSize* pSize, CGRCell* pCell) override;

    // Applies the tag written between "<:" and ">": 0, or 1 for a letter
    // that is no tag.
    int ParseTag(CDC* pDC, const CString& sTag);

private:
    void SelectBack(CDC* pDC);
    void SelectCreated(CDC* pDC, const LOGFONT& logFont, bool bRemember);
    int StartY(CDC* pDC, const CRect& rect, short nAlignment, const CString& sText) const;
    int StartX(const CRect& rect, short nAlignment, int nWidth) const;
    int TagY(CDC* pDC, const CMultiFontTag& tag, const CRect& rect, short nAlignment, const CString& sText,
             int nLastHeight) const;
    double PrintScale(CDC* pDC) const;

    CFont m_font;                 // the font created last
    HGDIOBJ m_hReplaced = nullptr; // the font it replaced in the DC
    LOGFONT m_savedLogFont = {};  // the font before the last sub- or superscript
    bool m_bSavedLogFont = false;
};
