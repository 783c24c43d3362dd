#include "CGRCell.h"

#include "CGRSysColors.h"
#include "CGRUserLocale.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

IMPLEMENT_DYNAMIC(CGRCell, CObject)

namespace {

// A double carries about 15 significant decimal digits; more would show the
// binary rounding of the value (12.3 as 12.300000000000000711).
const int kSignificantDigits = 15;
const int kMaxFixedDecimals = 20;

std::string FormatFixed(double dValue, int nDecimals)
{
    char buffer[512];
    int nLength = snprintf(buffer, sizeof(buffer), "%1.*f", nDecimals, dValue);
    if (nLength < static_cast<int>(sizeof(buffer)))
        return buffer;
    std::string sLong(static_cast<size_t>(nLength) + 1, '\0');
    snprintf(&sLong[0], sLong.size(), "%1.*f", nDecimals, dValue);
    sLong.resize(static_cast<size_t>(nLength));
    return sLong;
}

// Decimals that show the value's significant digits and no more.
int SignificantDecimals(double dValue)
{
    if (dValue == 0.0 || !std::isfinite(dValue))
        return 0;
    int nExponent = static_cast<int>(std::floor(std::log10(std::fabs(dValue))));
    int nDecimals = kSignificantDigits - 1 - nExponent;
    return nDecimals < 0 ? 0 : (nDecimals > kMaxFixedDecimals ? kMaxFixedDecimals : nDecimals);
}

void TrimRight(std::string& s, char ch)
{
    s.erase(s.find_last_not_of(ch) + 1);
}

void TrimLeft(std::string& s, char ch)
{
    s.erase(0, s.find_first_not_of(ch));
}

void RemoveAll(std::string& s, const std::string& sPart)
{
    if (sPart.empty())
        return;
    for (size_t nAt = s.find(sPart); nAt != std::string::npos; nAt = s.find(sPart, nAt))
        s.erase(nAt, sPart.size());
}

void ReplaceAll(std::string& s, const std::string& sOld, const std::string& sNew)
{
    if (sOld.empty() || sOld == sNew)
        return;
    for (size_t nAt = s.find(sOld); nAt != std::string::npos; nAt = s.find(sOld, nAt + sNew.size()))
        s.replace(nAt, sOld.size(), sNew);
}

int DecimalsInText(const std::string& sNumber)
{
    size_t nPoint = sNumber.rfind('.');
    return nPoint == std::string::npos ? 0 : static_cast<int>(sNumber.size() - nPoint - 1);
}

}

CGRCell::CGRCell()
{
    ClearAll();
}

CGRCell::CGRCell(const CGRCell& other) : CObject()
{
    ClearAll();
    CopyFrom(&other);
}

CGRCell& CGRCell::operator=(const CGRCell& other)
{
    CopyFrom(&other);
    return *this;
}

// Neither the snapshot nor the extra memory is freed here: copies share them,
// and only the data source that stores the cell frees them (FreeSnapshot).
CGRCell::~CGRCell()
{
    ClearAll();
}

int CGRCell::ClearAll()
{
    m_dwPropertyFlags = kResetFlags;
    m_sText.Empty();
    m_sLabel.Empty();
    m_sMask.Empty();
    m_dNumber = 0.0;
    m_nNumberDecimals = 0;
    m_nDataType = kDataString;
    m_lParam = -1;
    m_nReadOnly = 0;
    m_crText = GRSysColor(COLOR_WINDOWTEXT);
    m_crBack = GRSysColor(COLOR_WINDOW);
    m_crHighlightText = GRSysColor(COLOR_HIGHLIGHTTEXT);
    m_crHighlightBack = GRSysColor(COLOR_HIGHLIGHT);
    m_nAlignment = kAlignLeft;
    m_nThemeStyle = kThemeOrdinaryCell;
    m_nBorderStyle = 0;
    m_pBorderPen = nullptr;
    m_pFont = nullptr;
    m_pBitmap = nullptr;
    m_nCellType = -1;
    m_lCellTypeEx = -1;
    m_nJoinOrigin = 0;
    m_nJoinRow = -1;
    m_nJoinCol = -1;
    m_pSnapshot = nullptr;
    return 0;
}

int CGRCell::CopyTo(CGRCell* pDest) const
{
    pDest->m_dwPropertyFlags = m_dwPropertyFlags;
    MergeInto(*pDest);
    return 0;
}

int CGRCell::CopyFrom(const CGRCell* pSource)
{
    return pSource->CopyTo(this);
}

int CGRCell::MergeTo(CGRCell* pDest) const
{
    MergeInto(*pDest);
    return 0;
}

int CGRCell::MergeFrom(const CGRCell* pSource)
{
    pSource->MergeInto(*this);
    return 0;
}

// The union of both cells' properties; where both carry one, this cell's
// value wins. The snapshot reference always follows this cell.
void CGRCell::MergeInto(CGRCell& dest) const
{
    DWORD dwFlags = m_dwPropertyFlags;
    dest.m_dwPropertyFlags |= dwFlags;
    if (dwFlags & kPropText) {
        dest.m_sText = m_sText;
        dest.m_dNumber = m_dNumber;
    }
    if (dwFlags & kPropMask) dest.m_sMask = m_sMask;
    if (dwFlags & kPropLabel) dest.m_sLabel = m_sLabel;
    if (dwFlags & kPropDataType) dest.m_nDataType = m_nDataType;
    if (dwFlags & kPropParam) dest.m_lParam = m_lParam;
    if (dwFlags & kPropCellType) dest.m_nCellType = m_nCellType;
    if (dwFlags & kPropCellTypeEx) dest.m_lCellTypeEx = m_lCellTypeEx;
    if (dwFlags & kPropTextColor) dest.m_crText = m_crText;
    if (dwFlags & kPropBackColor) dest.m_crBack = m_crBack;
    if (dwFlags & kPropHighlightTextColor) dest.m_crHighlightText = m_crHighlightText;
    if (dwFlags & kPropHighlightBackColor) dest.m_crHighlightBack = m_crHighlightBack;
    if (dwFlags & kPropBorderStyle) dest.m_nBorderStyle = m_nBorderStyle;
    if (dwFlags & kPropBorderPen) dest.m_pBorderPen = m_pBorderPen;
    if (dwFlags & kPropFont) dest.m_pFont = m_pFont;
    if (dwFlags & kPropBitmap) dest.m_pBitmap = m_pBitmap;
    if (dwFlags & kPropAlignment) dest.m_nAlignment = m_nAlignment;
    if (dwFlags & kPropThemeStyle) dest.m_nThemeStyle = m_nThemeStyle;
    if (dwFlags & kPropJoin) {
        dest.m_nJoinOrigin = m_nJoinOrigin;
        dest.m_nJoinRow = m_nJoinRow;
        dest.m_nJoinCol = m_nJoinCol;
    }
    if (dwFlags & kPropNumberDecimals) dest.m_nNumberDecimals = m_nNumberDecimals;
    if (dwFlags & kPropReadOnly) dest.m_nReadOnly = m_nReadOnly;
    MergeMemoryInto(dest);
    dest.m_pSnapshot = m_pSnapshot;
}

// The block is shared, never duplicated; a source without one leaves the
// destination without a block (nothing is freed).
void CGRCell::MergeMemoryInto(CGRCell& dest) const
{
    bool bHasBlock = (m_dwPropertyFlags & kPropExtraMemory) != 0;
    dest.m_pExtraMemory = bHasBlock ? m_pExtraMemory : nullptr;
    dest.m_lExtraMemoryLength = bHasBlock ? m_lExtraMemoryLength : 0;
}

int CGRCell::SetText(LPCTSTR lpszText)
{
    m_sText = lpszText ? lpszText : "";
    m_nDataType = kDataString;
    if (m_sText.IsEmpty())
        m_dwPropertyFlags &= ~static_cast<DWORD>(kPropText);
    else
        m_dwPropertyFlags |= kPropText | kPropDataType;
    return 0;
}

// A number cell's text is made anew from the number on every call, so that
// it follows the user's locale.
LPCTSTR CGRCell::GetText()
{
    if (!IsPropertySet(kPropText))
        return nullptr;
    if (m_nDataType == kDataNumber)
        m_sText = NumberText();
    return m_sText;
}

int CGRCell::GetTextLength() const
{
    return IsPropertySet(kPropText) ? m_sText.GetLength() : 0;
}

int CGRCell::SetNumber(double dNumber)
{
    m_sText.Empty();
    m_dNumber = dNumber;
    m_nDataType = kDataNumber;
    m_dwPropertyFlags |= kPropText | kPropDataType;
    return 0;
}

double CGRCell::GetNumber() const
{
    if (!IsPropertySet(kPropText))
        return 0.0;
    if (m_nDataType == kDataNumber || m_nDataType == kDataDateTime || m_nDataType == kDataCurrency)
        return m_dNumber;
    double dNumber = 0.0;
    ParseNumber(m_sText, &dNumber);
    return dNumber;
}

// Every plain setter stores its value and marks the property as set, so a
// merge or a stored cell knows which properties this cell overrides.
template <class TMember, class TValue>
int CGRCell::StoreProperty(TMember& member, const TValue& value, DWORD dwFlag)
{
    member = value;
    m_dwPropertyFlags |= dwFlag;
    return 0;
}

int CGRCell::SetNumberDecimals(int nDecimals)
{
    return StoreProperty(m_nNumberDecimals, nDecimals < 0 ? 0 : nDecimals, kPropNumberDecimals);
}

// The number in the user's form: with the set decimals, else with its
// significant digits and no trailing zeros ("1,234.5", "0", "3.00").
CString CGRCell::NumberText() const
{
    bool bDecimals = IsPropertySet(kPropNumberDecimals) != 0;
    std::string sNumber = FormatFixed(m_dNumber, bDecimals ? m_nNumberDecimals : SignificantDecimals(m_dNumber));
    if (!bDecimals && sNumber.find('.') != std::string::npos) {
        TrimRight(sNumber, '0');
        TrimLeft(sNumber, '0');
    }
    if (!sNumber.empty() && sNumber.back() == '.')
        TrimRight(sNumber, '.');
    if (sNumber.empty())
        sNumber = "0";

    const CGRUserLocale& locale = CGRUserLocale::Current();
    CString sFormatted;
    int nDigits = bDecimals ? m_nNumberDecimals : DecimalsInText(sNumber);
    if (locale.FormatNumber(sNumber.c_str(), nDigits, sFormatted))
        return sFormatted;
    ReplaceAll(sNumber, ".", static_cast<LPCTSTR>(locale.GetNumberLocale().m_sDecimal));
    return CString(sNumber);
}

int CGRCell::SetDataType(short nType)
{
    if (nType == m_nDataType && IsPropertySet(kPropDataType))
        return 0;
    bool bHasText = IsPropertySet(kPropText) != 0;
    const CGRUserLocale& locale = CGRUserLocale::Current();
    if (nType == kDataNumber && bHasText) {
        ParseNumber(GetText(), &m_dNumber);
        m_sText.Empty();
    } else if (nType == kDataDateTime && bHasText) {
        locale.ParseDate(GetText(), m_dNumber);
    } else if (nType == kDataCurrency && bHasText) {
        if (m_nDataType == kDataNumber) {
            m_sText.Format("%.2f", m_dNumber);
        } else {
            LONGLONG llCurrency = 0;
            locale.ParseCurrency(m_sText, llCurrency);
            // Whole units only: the ten-thousandths are cut off.
            m_dNumber = static_cast<double>(llCurrency / 10000);
        }
    }
    m_nDataType = nType;
    m_dwPropertyFlags |= kPropDataType;
    return 0;
}

short CGRCell::GetDataType() const
{
    return IsPropertySet(kPropDataType) ? m_nDataType : static_cast<short>(kDataString);
}

// The user's grouping characters and currency symbol are dropped and the
// user's decimal separator is read as the decimal point, so "1,234.5" under a
// point locale and "1.234,5" under a comma locale both give 1234.5. What is
// no number gives 0.0 or its numeric start.
int CGRCell::ParseNumber(LPCTSTR lpszText, double* pdNumber)
{
    std::string sText = lpszText ? lpszText : "";
    CGRNumberLocale locale = CGRUserLocale::Current().GetNumberLocale();
    RemoveAll(sText, static_cast<LPCTSTR>(locale.m_sThousand));
    RemoveAll(sText, static_cast<LPCTSTR>(locale.m_sCurrency));
    ReplaceAll(sText, static_cast<LPCTSTR>(locale.m_sDecimal), localeconv()->decimal_point);
    *pdNumber = strtod(sText.c_str(), nullptr);
    return 0;
}

int CGRCell::SetLabel(LPCTSTR lpszLabel)
{
    return StoreProperty(m_sLabel, lpszLabel ? lpszLabel : "", kPropLabel);
}

LPCTSTR CGRCell::GetLabel() const
{
    return IsPropertySet(kPropLabel) ? static_cast<LPCTSTR>(m_sLabel) : nullptr;
}

int CGRCell::GetLabelInto(CString& sLabel) const
{
    if (!IsPropertySet(kPropLabel))
        return 1;
    sLabel = m_sLabel;
    return 0;
}

int CGRCell::SetMask(LPCTSTR lpszMask)
{
    return StoreProperty(m_sMask, lpszMask ? lpszMask : "", kPropMask);
}

LPCTSTR CGRCell::GetMask() const
{
    return IsPropertySet(kPropMask) ? static_cast<LPCTSTR>(m_sMask) : nullptr;
}

int CGRCell::SetTextColor(COLORREF cr)
{
    return StoreProperty(m_crText, cr, kPropTextColor);
}

COLORREF CGRCell::GetTextColor() const
{
    return IsPropertySet(kPropTextColor) ? m_crText : GRSysColor(COLOR_WINDOWTEXT);
}

int CGRCell::SetBackColor(COLORREF cr)
{
    return StoreProperty(m_crBack, cr, kPropBackColor);
}

COLORREF CGRCell::GetBackColor() const
{
    return IsPropertySet(kPropBackColor) ? m_crBack : GRSysColor(COLOR_WINDOW);
}

int CGRCell::SetHighlightTextColor(COLORREF cr)
{
    return StoreProperty(m_crHighlightText, cr, kPropHighlightTextColor);
}

COLORREF CGRCell::GetHighlightTextColor() const
{
    return IsPropertySet(kPropHighlightTextColor) ? m_crHighlightText : GRSysColor(COLOR_HIGHLIGHTTEXT);
}

int CGRCell::SetHighlightBackColor(COLORREF cr)
{
    return StoreProperty(m_crHighlightBack, cr, kPropHighlightBackColor);
}

COLORREF CGRCell::GetHighlightBackColor() const
{
    return IsPropertySet(kPropHighlightBackColor) ? m_crHighlightBack : GRSysColor(COLOR_HIGHLIGHT);
}

int CGRCell::SetAlignment(short nAlignment)
{
    return StoreProperty(m_nAlignment, nAlignment, kPropAlignment);
}

short CGRCell::GetAlignment() const
{
    return IsPropertySet(kPropAlignment) ? m_nAlignment : 0;
}

int CGRCell::SetBorderStyle(short nStyle)
{
    return StoreProperty(m_nBorderStyle, nStyle, kPropBorderStyle);
}

short CGRCell::GetBorderStyle() const
{
    return IsPropertySet(kPropBorderStyle) ? m_nBorderStyle : 0;
}

int CGRCell::SetBorderPen(CPen* pPen)
{
    return StoreProperty(m_pBorderPen, pPen, kPropBorderPen);
}

CPen* CGRCell::GetBorderPen() const
{
    return IsPropertySet(kPropBorderPen) ? m_pBorderPen : nullptr;
}

int CGRCell::SetFont(CFont* pFont)
{
    return StoreProperty(m_pFont, pFont, kPropFont);
}

CFont* CGRCell::GetFont() const
{
    return IsPropertySet(kPropFont) ? m_pFont : nullptr;
}

int CGRCell::SetBitmap(CBitmap* pBitmap)
{
    m_pBitmap = pBitmap;
    if (pBitmap)
        m_dwPropertyFlags |= kPropBitmap;
    else
        m_dwPropertyFlags &= ~static_cast<DWORD>(kPropBitmap);
    return 0;
}

CBitmap* CGRCell::GetBitmap() const
{
    return IsPropertySet(kPropBitmap) ? m_pBitmap : nullptr;
}

int CGRCell::SetThemeStyle(int nStyle)
{
    return StoreProperty(m_nThemeStyle, nStyle, kPropThemeStyle);
}

int CGRCell::GetThemeStyle() const
{
    return m_nThemeStyle;
}

int CGRCell::SetReadOnly(int nState)
{
    return StoreProperty(m_nReadOnly, nState ? 1 : 0, kPropReadOnly);
}

int CGRCell::GetReadOnly() const
{
    return IsPropertySet(kPropReadOnly) ? m_nReadOnly : 0;
}

int CGRCell::SetCellType(int nIndex)
{
    return StoreProperty(m_nCellType, nIndex, kPropCellType);
}

int CGRCell::GetCellType() const
{
    return IsPropertySet(kPropCellType) ? m_nCellType : 0;
}

int CGRCell::SetCellTypeEx(long lStyle)
{
    return StoreProperty(m_lCellTypeEx, lStyle, kPropCellTypeEx);
}

long CGRCell::GetCellTypeEx() const
{
    return IsPropertySet(kPropCellTypeEx) ? m_lCellTypeEx : 0;
}

int CGRCell::SetParam(long lParam)
{
    return StoreProperty(m_lParam, lParam, kPropParam);
}

long CGRCell::GetParam() const
{
    return IsPropertySet(kPropParam) ? m_lParam : 0;
}

int CGRCell::SetJoinInfo(int nOrigin, int nColValue, int nRowValue)
{
    m_nJoinOrigin = nOrigin;
    m_nJoinCol = nColValue;
    m_nJoinRow = nRowValue;
    m_dwPropertyFlags |= kPropJoin;
    return 0;
}

int CGRCell::GetJoinInfo(int* pnOrigin, int* pnColValue, int* pnRowValue) const
{
    if (!IsPropertySet(kPropJoin))
        return 1;
    *pnOrigin = m_nJoinOrigin;
    *pnColValue = m_nJoinCol;
    *pnRowValue = m_nJoinRow;
    return 0;
}

int CGRCell::IsPropertySet(DWORD dwBits) const
{
    return (m_dwPropertyFlags & dwBits) ? 1 : 0;
}

int CGRCell::SetPropertyFlags(DWORD dwFlags)
{
    m_dwPropertyFlags = dwFlags;
    return 0;
}

DWORD CGRCell::GetPropertyFlags() const
{
    return m_dwPropertyFlags;
}

int CGRCell::ClearPropertyFlag(DWORD dwBit)
{
    m_dwPropertyFlags &= ~dwBit;
    return 0;
}

int CGRCell::ClearExtraMemory()
{
    m_dwPropertyFlags &= ~static_cast<DWORD>(kPropExtraMemory);
    delete[] m_pExtraMemory;
    m_pExtraMemory = nullptr;
    m_lExtraMemoryLength = 0;
    return 0;
}

int CGRCell::TakeSnapshot()
{
    delete m_pSnapshot;
    m_pSnapshot = nullptr;
    CGRCell* pSnapshot = new CGRCell;
    pSnapshot->CopyFrom(this);
    m_pSnapshot = pSnapshot;
    return 0;
}

int CGRCell::FreeSnapshot()
{
    delete m_pSnapshot;
    m_pSnapshot = nullptr;
    return ClearExtraMemory();
}

CGRCell* CGRCell::GetSnapshot() const
{
    return m_pSnapshot;
}

int CGRCell::SetSnapshot(CGRCell* pSnapshot)
{
    m_pSnapshot = pSnapshot;
    return 0;
}
