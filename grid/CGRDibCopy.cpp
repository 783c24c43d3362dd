// The picture is read through the screen DC with the stock default palette:
// first the header alone to learn the image size, then the bits.
#include "CGRDibCopy.h"

namespace {

// 1, 4, 8 or 24 bits a pixel, whichever holds the bitmap's colours.
WORD DibBitsPerPixel(const BITMAP& bitmap)
{
    int nBits = bitmap.bmPlanes * bitmap.bmBitsPixel;
    if (nBits < 2)
        return 1;
    if (nBits <= 4)
        return 4;
    if (nBits <= 8)
        return 8;
    return 24;
}

// Scan lines are padded to whole 32-bit words.
DWORD ImageSize(const BITMAPINFOHEADER& header)
{
    DWORD nStride = ((static_cast<DWORD>(header.biWidth) * header.biBitCount + 31) / 32) * 4;
    return nStride * static_cast<DWORD>(header.biHeight);
}

DWORD ColourTableEntries(const BITMAPINFOHEADER& header)
{
    if (header.biClrUsed != 0)
        return header.biClrUsed;
    return header.biBitCount <= 8 ? (1u << header.biBitCount) : 0;
}

}

CGRDibCopy::CGRDibCopy(CBitmap* pBitmap)
{
    BITMAP bitmap = {};
    if (!pBitmap || !pBitmap->GetSafeHandle() || !pBitmap->GetBitmap(&bitmap) || bitmap.bmWidth <= 0
        || bitmap.bmHeight <= 0)
        return;
    // Room for the largest colour table, 256 entries.
    std::vector<BYTE> info(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD), 0);
    BITMAPINFOHEADER& header = *reinterpret_cast<BITMAPINFOHEADER*>(info.data());
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biWidth = bitmap.bmWidth;
    header.biHeight = bitmap.bmHeight;
    header.biPlanes = 1;
    header.biBitCount = DibBitsPerPixel(bitmap);
    header.biCompression = BI_RGB;

    CClientDC screen(nullptr);
    HPALETTE hOldPalette = ::SelectPalette(screen, static_cast<HPALETTE>(::GetStockObject(DEFAULT_PALETTE)), FALSE);
    ::RealizePalette(screen);
    HBITMAP hBitmap = static_cast<HBITMAP>(*pBitmap);
    auto* pInfo = reinterpret_cast<BITMAPINFO*>(info.data());
    std::vector<BYTE> bits;
    if (::GetDIBits(screen, hBitmap, 0, static_cast<UINT>(bitmap.bmHeight), nullptr, pInfo, DIB_RGB_COLORS)) {
        if (header.biSizeImage == 0)
            header.biSizeImage = ImageSize(header);
        bits.resize(header.biSizeImage);
        if (!::GetDIBits(screen, hBitmap, 0, static_cast<UINT>(bitmap.bmHeight), bits.data(), pInfo,
                         DIB_RGB_COLORS))
            bits.clear();
    }
    ::SelectPalette(screen, hOldPalette, FALSE);
    if (bits.empty())
        return;
    info.resize(sizeof(BITMAPINFOHEADER) + ColourTableEntries(header) * sizeof(RGBQUAD));
    m_info = std::move(info);
    m_bits = std::move(bits);
}

BOOL CGRDibCopy::IsEmpty() const
{
    return m_bits.empty();
}

const BITMAPINFO* CGRDibCopy::Info() const
{
    return reinterpret_cast<const BITMAPINFO*>(m_info.data());
}

int CGRDibCopy::Stretch(CDC* pDC, const CRect& target) const
{
    if (IsEmpty())
        return 0;
    const BITMAPINFOHEADER& header = Info()->bmiHeader;
    return pDC->StretchDIBits(target.left, target.top, target.Width(), target.Height(), 0, 0, header.biWidth,
                              header.biHeight, m_bits.data(), Info(), DIB_RGB_COLORS, SRCCOPY);
}
