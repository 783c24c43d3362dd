// GDI wrappers: owners delete their handles (and only owners), moves carry
// the ownership, scope objects put back what they changed, a paint DC ends
// the paint, drawing helpers draw where they should, a metafile DC records
// until it is closed.
//
// Not tested here: image-list drawing (no program code draws an image list
// itself; the tree control does, and the drag image draws itself).
#include "TestSupport.h"

#include "CMetaFileDC.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

namespace {

// A memory DC with a white 32-bit bitmap whose pixels the test reads.
class CCanvas {
public:
    CCanvas(int cx, int cy)
    {
        m_dc.CreateCompatibleDC(nullptr);
        m_bitmap.CreateDIBSection32(cx, cy, &m_pBits);
        m_pOld = m_dc.SelectObject(&m_bitmap);
        m_dc.FillSolidRect(0, 0, cx, cy, RGB(255, 255, 255));
        m_cx = cx;
    }
    ~CCanvas() { m_dc.SelectObject(m_pOld); }

    COLORREF Pixel(int x, int y)
    {
        ::GdiFlush();
        DWORD dwPixel = m_pBits[y * m_cx + x];
        return RGB((dwPixel >> 16) & 0xFF, (dwPixel >> 8) & 0xFF, dwPixel & 0xFF);
    }

    CDC m_dc;

private:
    CBitmap m_bitmap;
    CBitmap* m_pOld = nullptr;
    DWORD* m_pBits = nullptr;
    int m_cx = 0;
};

const COLORREF kWhite = RGB(255, 255, 255);

}  // namespace

TEST(CGdiObject, AnOwnerDeletesItsHandleWhenItGoes)
{
    struct Row {
        const char* lpszKind;
        std::function<HGDIOBJ()> makeAndDrop;  // the handle of an owner that is gone
    } rows[] = {
        {"pen", [] { CPen pen(PS_SOLID, 2, RGB(1, 2, 3)); return pen.m_hObject; }},
        {"brush", [] { CBrush brush(RGB(1, 2, 3)); return brush.m_hObject; }},
        {"font", [] { CFont font; font.CreatePointFont(100, "Arial"); return font.m_hObject; }},
        {"bitmap", [] { CBitmap bitmap; bitmap.CreateBitmap(4, 4, 1, 1, nullptr); return bitmap.m_hObject; }},
        {"region", [] { CRgn region; region.CreateRectRgn(0, 0, 4, 4); return region.m_hObject; }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszKind);
        HGDIOBJ hObject = row.makeAndDrop();
        ASSERT_NE(hObject, nullptr);
        EXPECT_EQ(::GetObjectType(hObject), 0u);
    }
}

TEST(CGdiObject, MovingCarriesTheOwnershipAlong)
{
    CPen first(PS_SOLID, 1, RGB(0, 0, 0));
    HGDIOBJ hPen = first.m_hObject;
    {
        CPen second(std::move(first));
        EXPECT_EQ(first.m_hObject, nullptr);
        EXPECT_EQ(second.m_hObject, hPen);
        EXPECT_NE(::GetObjectType(hPen), 0u);
    }
    EXPECT_EQ(::GetObjectType(hPen), 0u);
}

TEST(CGdiObject, DetachAndWrappersLeaveTheHandleAlive)
{
    HGDIOBJ hBrush = nullptr;
    {
        CBrush brush(RGB(9, 9, 9));
        hBrush = brush.Detach();
    }
    ASSERT_NE(::GetObjectType(hBrush), 0u);

    CBrush* pWrapper = CBrush::FromHandle(static_cast<HBRUSH>(hBrush));
    EXPECT_TRUE(pWrapper->IsKindOf(RUNTIME_CLASS(CBrush)));
    EXPECT_EQ(CBrush::FromHandle(static_cast<HBRUSH>(hBrush)), pWrapper);
    AfxDeleteTempMaps();
    EXPECT_NE(::GetObjectType(hBrush), 0u);
    ::DeleteObject(hBrush);
}

TEST(CDC, SelectObjectHandsBackWhatWasSelectedBefore)
{
    CCanvas canvas(8, 8);
    CPen red(PS_SOLID, 1, RGB(255, 0, 0));
    HGDIOBJ hStockPen = ::GetCurrentObject(canvas.m_dc, OBJ_PEN);

    CPen* pOld = canvas.m_dc.SelectObject(&red);

    EXPECT_EQ(pOld->m_hObject, hStockPen);
    EXPECT_EQ(canvas.m_dc.GetCurrentPen()->m_hObject, red.m_hObject);
    canvas.m_dc.SelectObject(pOld);
}

TEST(CScopedSelectObject, PutsBackTheObjectSelectedBefore)
{
    CCanvas canvas(8, 8);
    CBrush blue(RGB(0, 0, 255));
    HGDIOBJ hBefore = ::GetCurrentObject(canvas.m_dc, OBJ_BRUSH);
    {
        CScopedSelectObject selection(canvas.m_dc, blue);
        EXPECT_TRUE(selection.IsSelected());
        EXPECT_EQ(::GetCurrentObject(canvas.m_dc, OBJ_BRUSH), blue.m_hObject);
    }
    EXPECT_EQ(::GetCurrentObject(canvas.m_dc, OBJ_BRUSH), hBefore);
}

TEST(CScopedSaveDC, PutsBackMapModeAndColours)
{
    CCanvas canvas(8, 8);
    canvas.m_dc.SetTextColor(RGB(1, 1, 1));
    {
        CScopedSaveDC saved(canvas.m_dc);
        canvas.m_dc.SetMapMode(MM_LOMETRIC);
        canvas.m_dc.SetTextColor(RGB(2, 2, 2));
    }
    EXPECT_EQ(canvas.m_dc.GetMapMode(), MM_TEXT);
    EXPECT_EQ(canvas.m_dc.GetTextColor(), RGB(1, 1, 1));
}

TEST(CDC, FillSolidRectAndDraw3dRectDrawTheirPixelsOnly)
{
    CCanvas canvas(20, 20);
    canvas.m_dc.SetBkColor(RGB(7, 7, 7));

    canvas.m_dc.FillSolidRect(2, 2, 4, 4, RGB(255, 0, 0));
    canvas.m_dc.Draw3dRect(10, 10, 6, 6, RGB(0, 255, 0), RGB(0, 0, 255));

    struct Row {
        int x;
        int y;
        COLORREF expected;
    } rows[] = {
        {2, 2, RGB(255, 0, 0)}, {5, 5, RGB(255, 0, 0)}, {6, 6, kWhite}, {1, 2, kWhite},
        {10, 10, RGB(0, 255, 0)}, {10, 14, RGB(0, 255, 0)}, {15, 11, RGB(0, 0, 255)},
        {11, 15, RGB(0, 0, 255)}, {12, 12, kWhite}, {16, 16, kWhite},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.x << "," << row.y);
        EXPECT_EQ(canvas.Pixel(row.x, row.y), row.expected);
    }
    EXPECT_EQ(canvas.m_dc.GetBkColor(), RGB(7, 7, 7));
}

TEST(CDC, ADragRectDrawnAgainIsGone)
{
    CCanvas canvas(40, 40);
    CRect first(5, 5, 25, 25);
    CRect second(10, 10, 30, 30);
    const CSize border(2, 2);
    CBrush inverting(RGB(255, 255, 255));

    canvas.m_dc.DrawDragRect(&first, border, nullptr, border, &inverting, &inverting);
    EXPECT_NE(canvas.Pixel(5, 5), kWhite);
    EXPECT_EQ(canvas.Pixel(15, 15), kWhite) << "only the frame is drawn";

    canvas.m_dc.DrawDragRect(&second, border, &first, border, &inverting, &inverting);
    EXPECT_EQ(canvas.Pixel(5, 5), kWhite) << "the old frame is removed";
    EXPECT_NE(canvas.Pixel(29, 29), kWhite);
}

TEST(CMenu, AnOwnerDestroysItsMenuAndSubMenusStay)
{
    HMENU hMenu = nullptr;
    HMENU hPopup = ::CreatePopupMenu();
    {
        CMenu menu;
        ASSERT_TRUE(menu.CreateMenu());
        menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(hPopup), "&File");
        hMenu = menu.m_hMenu;
        CMenu* pSub = menu.GetSubMenu(0);
        EXPECT_EQ(pSub->m_hMenu, hPopup);
        AfxDeleteTempMaps();
        EXPECT_TRUE(::IsMenu(hPopup)) << "the wrapper destroyed nothing";
    }
    EXPECT_FALSE(::IsMenu(hMenu));
}

TEST(CImageList, CountsTheImagesAdded)
{
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 2));
    CBitmap bitmap;
    CClientDC screen(nullptr);
    bitmap.CreateCompatibleBitmap(&screen, 32, 16);

    EXPECT_EQ(images.Add(&bitmap, RGB(255, 255, 255)), 0);
    EXPECT_EQ(images.GetImageCount(), 2);
}

TEST(CImageList, TheDragImageFollowsTheMovesUntilTheDragEnds)
{
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1));
    CBitmap bitmap;
    CClientDC screen(nullptr);
    bitmap.CreateCompatibleBitmap(&screen, 16, 16);
    ASSERT_EQ(images.Add(&bitmap, RGB(255, 255, 255)), 0);
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP | WS_VISIBLE, 10, 10, 80, 60, nullptr,
                             nullptr));
    EXPECT_EQ(CImageList::GetDragImage(nullptr, nullptr), nullptr);

    ASSERT_TRUE(images.BeginDrag(0, CPoint(3, 4)));
    EXPECT_TRUE(CImageList::DragEnter(&wnd, CPoint(10, 20)));
    EXPECT_TRUE(CImageList::DragMove(CPoint(30, 40)));
    CPoint point(-1, -1);
    CPoint hotSpot(-1, -1);
    CImageList* pDragImage = CImageList::GetDragImage(&point, &hotSpot);
    ASSERT_NE(pDragImage, nullptr);
    EXPECT_EQ(pDragImage->GetImageCount(), 1);
    EXPECT_EQ(point, CPoint(30, 40));
    EXPECT_EQ(hotSpot, CPoint(3, 4));
    EXPECT_TRUE(CImageList::DragShowNolock(FALSE));
    EXPECT_TRUE(CImageList::DragLeave(&wnd));
    CImageList::EndDrag();

    EXPECT_EQ(CImageList::GetDragImage(nullptr, nullptr), nullptr);
    EXPECT_EQ(images.GetImageCount(), 1) << "the drag worked on a copy";
    wnd.DestroyWindow();
    AfxDeleteTempMaps();
}

namespace {

class CPaintingWnd : public CWnd {
public:
    int m_nPaints = 0;

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CRect rect;
        GetClientRect(&rect);
        dc.FillSolidRect(&rect, RGB(200, 0, 0));
        ++m_nPaints;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPaintingWnd, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

}  // namespace

TEST(CPaintDC, PaintsTheWindowAndEndsThePaint)
{
    CPaintingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP | WS_VISIBLE, 10, 10, 60, 40,
                             nullptr, nullptr));
    wnd.Invalidate();
    wnd.UpdateWindow();

    EXPECT_EQ(wnd.m_nPaints, 1);
    CRect rectUpdate;
    EXPECT_FALSE(wnd.GetUpdateRect(&rectUpdate));
    CClientDC dc(&wnd);
    EXPECT_EQ(dc.GetPixel(30, 20), RGB(200, 0, 0));
    EXPECT_EQ(dc.GetWindow(), &wnd);
    wnd.DestroyWindow();
}

namespace {

// How many records of the type the picture holds.
int CountRecords(HENHMETAFILE hPicture, DWORD dwType)
{
    std::pair<DWORD, int> count(dwType, 0);
    ::EnumEnhMetaFile(
        nullptr, hPicture,
        [](HDC, HANDLETABLE*, const ENHMETARECORD* pRecord, int, LPARAM lParam) -> int {
            auto* pCount = reinterpret_cast<std::pair<DWORD, int>*>(lParam);
            pCount->second += pRecord->iType == pCount->first;
            return 1;
        },
        &count, nullptr);
    return count.second;
}

} // namespace

TEST(CMetaFileDC, RecordsWhatIsDrawnUntilClosed)
{
    CMetaFileDC dc;
    ASSERT_TRUE(dc.CreateEnhanced(nullptr, nullptr, nullptr, nullptr));
    dc.MoveTo(0, 0);
    dc.LineTo(70, 0);
    HENHMETAFILE hPicture = dc.CloseEnhanced();
    ASSERT_NE(nullptr, hPicture);
    EXPECT_EQ(nullptr, dc.GetSafeHdc());
    EXPECT_EQ(1, CountRecords(hPicture, EMR_LINETO));
    ::DeleteEnhMetaFile(hPicture);
}
