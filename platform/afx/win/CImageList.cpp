#include "CImageList.h"

#include "AfxHandleMap.h"
#include "CBitmap.h"
#include "CDC.h"
#include "CWnd.h"

#include <cassert>
#include <utility>

IMPLEMENT_DYNCREATE(CImageList, CObject)

CImageList::~CImageList()
{
    DeleteImageList();
}

CImageList* CImageList::FromHandle(HIMAGELIST hImageList)
{
    return CHandleMap<HIMAGELIST, CImageList>::FromHandle(hImageList);
}

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    assert(m_hImageList == nullptr);
    m_hImageList = hImageList;
    return hImageList != nullptr;
}

HIMAGELIST CImageList::Detach()
{
    return std::exchange(m_hImageList, nullptr);
}

HIMAGELIST CImageList::GetSafeHandle() const
{
    return this == nullptr ? nullptr : m_hImageList;
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    return Attach(ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    return Attach(ImageList_LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nBitmapID), cx,
                                       nGrow, crMask, IMAGE_BITMAP, LR_CREATEDIBSECTION));
}

BOOL CImageList::DeleteImageList()
{
    if (m_hImageList == nullptr)
        return FALSE;
    return ImageList_Destroy(Detach());
}

int CImageList::GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }
BOOL CImageList::GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const
{
    return ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
}
int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ImageList_Add(m_hImageList, *pbmImage, pbmMask ? static_cast<HBITMAP>(*pbmMask) : nullptr);
}
int CImageList::Add(CBitmap* pbmImage, COLORREF crMask)
{
    return ImageList_AddMasked(m_hImageList, *pbmImage, crMask);
}
int CImageList::Add(HICON hIcon) { return ImageList_AddIcon(m_hImageList, hIcon); }
BOOL CImageList::Remove(int nImage) { return ImageList_Remove(m_hImageList, nImage); }
BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ImageList_Replace(m_hImageList, nImage, *pbmImage,
                             pbmMask ? static_cast<HBITMAP>(*pbmMask) : nullptr);
}
int CImageList::Replace(int nImage, HICON hIcon) { return ImageList_ReplaceIcon(m_hImageList, nImage, hIcon); }
HICON CImageList::ExtractIcon(int nImage) { return ImageList_ExtractIcon(nullptr, m_hImageList, nImage); }
COLORREF CImageList::SetBkColor(COLORREF cr) { return ImageList_SetBkColor(m_hImageList, cr); }
COLORREF CImageList::GetBkColor() const { return ImageList_GetBkColor(m_hImageList); }
BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle)
{
    return ImageList_Draw(m_hImageList, nImage, pDC->m_hDC, pt.x, pt.y, nStyle);
}

BOOL CImageList::BeginDrag(int nImage, CPoint ptHotSpot)
{
    return ImageList_BeginDrag(m_hImageList, nImage, ptHotSpot.x, ptHotSpot.y);
}
void CImageList::EndDrag() { ImageList_EndDrag(); }
BOOL CImageList::DragEnter(CWnd* pWndLock, CPoint point)
{
    return ImageList_DragEnter(pWndLock->GetSafeHwnd(), point.x, point.y);
}
BOOL CImageList::DragLeave(CWnd* pWndLock) { return ImageList_DragLeave(pWndLock->GetSafeHwnd()); }
BOOL CImageList::DragMove(CPoint pt) { return ImageList_DragMove(pt.x, pt.y); }
BOOL CImageList::DragShowNolock(BOOL bShow) { return ImageList_DragShowNolock(bShow); }
CImageList* CImageList::GetDragImage(LPPOINT lpPoint, LPPOINT lpPointHotSpot)
{
    return FromHandle(ImageList_GetDragImage(lpPoint, lpPointHotSpot));
}
