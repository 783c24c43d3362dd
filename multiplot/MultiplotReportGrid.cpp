#include "MultiplotReportGrid.h"

void CMultiplotReportGrid::DrawLegend()
{
}

void CMultiplotReportGrid::SetGraphCell(bool)
{
    const CFieldPos& g = m_fields.m_graph;
    SetCellCellType(g.nCol, g.nRow, m_nGraphType);
}

int CMultiplotReportGrid::CopyPageToClipboard()
{
    HDC hScreen = ::GetDC(GetSafeHwnd());
    HDC hMeta = ::CreateEnhMetaFile(hScreen, nullptr, nullptr, nullptr);
    ::ReleaseDC(GetSafeHwnd(), hScreen);
    if (hMeta == nullptr)
        return 1;
    SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(hMeta), PRF_CLIENT);
    HENHMETAFILE hPicture = ::CloseEnhMetaFile(hMeta);
    if (hPicture == nullptr || !::OpenClipboard(GetSafeHwnd())) {
        ::DeleteEnhMetaFile(hPicture);
        return 1;
    }
    ::EmptyClipboard();
    ::SetClipboardData(CF_ENHMETAFILE, hPicture);
    ::CloseClipboard();
    return 0;
}
