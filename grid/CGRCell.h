#pragma once
// Classes in this file: CGRCell, the property bag through which every cell of
// a grid is read, written, merged with defaults and drawn. A flag word says
// which properties are set; a reader of an unset property gets its fallback.

#include "afx.h"

#include "GridCodes.h"

class CBitmap;
class CFont;
class CPen;

class CGRCell : public CObject {
    DECLARE_DYNAMIC(CGRCell)
public:
    CGRCell();
    CGRCell(const CGRCell& other);
    CGRCell& operator=(const CGRCell& other);
    ~CGRCell() override;

// Reset, copy, merge
    int ClearAll();
    int CopyTo(CGRCell* pDest) const;
    int CopyFrom(const CGRCell* pSource);
    int MergeTo(CGRCell* pDest) const;
    int MergeFrom(const CGRCell* pSource);

// Text and number
    int SetText(LPCTSTR lpszText);
    LPCTSTR GetText();
    int GetTextLength() const;
    int SetNumber(double dNumber);
    double GetNumber() const;
    int SetNumberDecimals(int nDecimals);
    int SetDataType(short nType);
    short GetDataType() const;
    static int ParseNumber(LPCTSTR lpszText, double* pdNumber);

// Label and mask
    int SetLabel(LPCTSTR lpszLabel);
    LPCTSTR GetLabel() const;
    int GetLabelInto(CString& sLabel) const;
    int SetMask(LPCTSTR lpszMask);
    LPCTSTR GetMask() const;

// Appearance
    int SetTextColor(COLORREF cr);
    COLORREF GetTextColor() const;
    int SetBackColor(COLORREF cr);
    COLORREF GetBackColor() const;
    int SetHighlightTextColor(COLORREF cr);
    COLORREF GetHighlightTextColor() const;
    int SetHighlightBackColor(COLORREF cr);
    COLORREF GetHighlightBackColor() const;
    int SetAlignment(short nAlignment);
    short GetAlignment() const;
    int SetBorderStyle(short nStyle);
    short GetBorderStyle() const;
    int SetBorderPen(CPen* pPen);
    CPen* GetBorderPen() const;
    int SetFont(CFont* pFont);
    CFont* GetFont() const;
    int SetBitmap(CBitmap* pBitmap);
    CBitmap* GetBitmap() const;
    int SetThemeStyle(int nStyle);
    int GetThemeStyle() const;

// Behaviour
    int SetReadOnly(int nState);
    int GetReadOnly() const;
    int SetCellType(int nIndex);
    int GetCellType() const;
    int SetCellTypeEx(long lStyle);
    long GetCellTypeEx() const;
    int SetParam(long lParam);
    long GetParam() const;

// Join, flags, memory, snapshot
    int SetJoinInfo(int nOrigin, int nColValue, int nRowValue);
    int GetJoinInfo(int* pnOrigin, int* pnColValue, int* pnRowValue) const;
    int IsPropertySet(DWORD dwBits) const;
    int SetPropertyFlags(DWORD dwFlags);
    DWORD GetPropertyFlags() const;
    int ClearPropertyFlag(DWORD dwBit);
    int ClearExtraMemory();
    int TakeSnapshot();
    int FreeSnapshot();
    CGRCell* GetSnapshot() const;
    int SetSnapshot(CGRCell* pSnapshot);

    static constexpr DWORD kResetFlags = kPropDataType | kPropTextColor | kPropBackColor
        | kPropHighlightTextColor | kPropHighlightBackColor | kPropAlignment | kPropThemeStyle;

private:
    template <class TMember, class TValue>
    int StoreProperty(TMember& member, const TValue& value, DWORD dwFlag);
    void MergeInto(CGRCell& dest) const;
    void MergeMemoryInto(CGRCell& dest) const;
    CString NumberText() const;

    CGRCell* m_pSnapshot = nullptr;
    DWORD m_dwPropertyFlags = 0;
    double m_dNumber = 0.0;
    CString m_sText;
    CString m_sLabel;
    CString m_sMask;
    short m_nDataType = kDataString;
    int m_nReadOnly = 0;
    long m_lParam = -1;
    int m_nNumberDecimals = 0;
    int m_nCellType = -1;
    long m_lCellTypeEx = -1;
    COLORREF m_crText = 0;
    COLORREF m_crBack = 0;
    COLORREF m_crHighlightText = 0;
    COLORREF m_crHighlightBack = 0;
    short m_nBorderStyle = 0;
    CPen* m_pBorderPen = nullptr;
    CFont* m_pFont = nullptr;
    CBitmap* m_pBitmap = nullptr;
    short m_nAlignment = kAlignLeft;
    BYTE* m_pExtraMemory = nullptr;
    long m_lExtraMemoryLength = 0;
    int m_nJoinOrigin = 0;
    int m_nJoinRow = -1;
    int m_nJoinCol = -1;
    int m_nThemeStyle = kThemeOrdinaryCell;
};
