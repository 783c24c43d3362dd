#include "CMetaFileBits.h"

namespace {

constexpr DWORD kEnhancedSignature = 0x464D4520;  // " EMF" at offset 40
constexpr DWORD kPlaceableKey = 0x9AC6CDD7;
constexpr size_t kEnhancedHeaderSize = 88;
constexpr size_t kPlaceableHeaderSize = 22;
constexpr size_t kWindowsHeaderSize = 18;
constexpr WORD kWindowsHeaderWords = 9;
constexpr int kHundredthsMmPerInch = 2540;

}

CMetaFileBits::CMetaFileBits(const BYTE* pBytes, size_t nLength) : m_pBytes(pBytes), m_nLength(pBytes ? nLength : 0)
{
    if (ReadEnhanced())
        m_format = kEnhanced;
    else if (m_nLength >= 4 && Dword(0) == kPlaceableKey)
        m_format = ReadPlaceable() ? kPlaceable : kBad;
    else if (ReadWindows(0))
        m_format = kPlain;
}

DWORD CMetaFileBits::Dword(size_t nOffset) const
{
    return Word(nOffset) | static_cast<DWORD>(Word(nOffset + 2)) << 16;
}

WORD CMetaFileBits::Word(size_t nOffset) const
{
    return static_cast<WORD>(m_pBytes[nOffset] | m_pBytes[nOffset + 1] << 8);
}

// The header's own size (offset 4) and the file size it gives (offset
// 48) must lie within the file.
bool CMetaFileBits::ReadEnhanced()
{
    if (m_nLength < kEnhancedHeaderSize || Dword(40) != kEnhancedSignature)
        return false;
    const DWORD nBytes = Dword(48);
    if (Dword(4) < kEnhancedHeaderSize || Dword(4) > nBytes || nBytes > m_nLength)
        return false;
    m_pMetafile = m_pBytes;
    m_nMetafileSize = nBytes;
    return true;
}

// Box (signed left, top, right, bottom at 6..12) and units per inch (14)
// must give a picture; the metafile after the header must be whole.
bool CMetaFileBits::ReadPlaceable()
{
    if (m_nLength < kPlaceableHeaderSize)
        return false;
    m_nBoxWidth = static_cast<short>(Word(10)) - static_cast<short>(Word(6));
    m_nBoxHeight = static_cast<short>(Word(12)) - static_cast<short>(Word(8));
    m_nUnitsPerInch = Word(14);
    if (m_nUnitsPerInch <= 0 || m_nBoxWidth <= 0 || m_nBoxHeight <= 0)
        return false;
    return ReadWindows(kPlaceableHeaderSize);
}

// A Windows metafile's header: type 1 or 2, 9 header words, and its size
// in 16-bit words (offset 6) within the file.
bool CMetaFileBits::ReadWindows(size_t nOffset)
{
    if (m_nLength < nOffset + kWindowsHeaderSize)
        return false;
    const WORD nType = Word(nOffset);
    if ((nType != 1 && nType != 2) || Word(nOffset + 2) != kWindowsHeaderWords)
        return false;
    const size_t nSize = 2 * static_cast<size_t>(Dword(nOffset + 6));
    if (nSize < kWindowsHeaderSize || nSize > m_nLength - nOffset)
        return false;
    m_pMetafile = m_pBytes + nOffset;
    m_nMetafileSize = nSize;
    return true;
}

// extent x 2540 / units per inch, truncated
int CMetaFileBits::FrameWidth() const
{
    return m_nUnitsPerInch > 0 ? m_nBoxWidth * kHundredthsMmPerInch / m_nUnitsPerInch : 0;
}

int CMetaFileBits::FrameHeight() const
{
    return m_nUnitsPerInch > 0 ? m_nBoxHeight * kHundredthsMmPerInch / m_nUnitsPerInch : 0;
}
