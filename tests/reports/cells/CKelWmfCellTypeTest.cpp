// CKelWmfCellType: the exported file loaded once and deleted, the held
// picture drawn again; no file, the background only; on the screen the
// picture at its pixel size on the cell's bottom-left corner, on paper
// over the whole cell.
#include "reports/cells/CKelWmfCellType.h"

#include "grid/CGRCell.h"

#include "CDC.h"

#include "MetafileFixtures.h"

#include <gtest/gtest.h>

namespace {

const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kRed = RGB(255, 0, 0);

// A 300 x 200 bitmap and a DC on it, filled white.
class CCellBitmap {
public:
    CCellBitmap()
    {
        HDC hScreen = ::GetDC(nullptr);
        m_dc.Attach(::CreateCompatibleDC(hScreen));
        m_hBitmap = ::CreateCompatibleBitmap(hScreen, 300, 200);
        ::ReleaseDC(nullptr, hScreen);
        m_hOld = ::SelectObject(m_dc.m_hDC, m_hBitmap);
        m_dc.FillSolidRect(0, 0, 300, 200, RGB(255, 255, 255));
    }
    ~CCellBitmap()
    {
        ::SelectObject(m_dc.m_hDC, m_hOld);
        ::DeleteObject(m_hBitmap);
    }
    COLORREF Pixel(int x, int y) const { return ::GetPixel(m_dc.m_hDC, x, y); }
    CDC m_dc;

private:
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
};

class CKelWmfCellTypeTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_sPath = TempFile("vestolargraph.wmf");
        ::DeleteFileA(m_sPath.c_str());
        m_type.SetGraphFile(m_sPath.c_str());
        m_cell.SetBackColor(kGreen);
        m_cell.SetHighlightBackColor(RGB(0, 0, 255));
    }
    void TearDown() override { ::DeleteFileA(m_sPath.c_str()); }
    void Draw(CCellBitmap& bitmap)
    {
        CRect rect = m_rect;
        m_type.OnDraw(&bitmap.m_dc, &rect, 1, 1, &m_cell, 0, 0);
    }
    std::string m_sPath;
    CKelWmfCellType m_type;
    CGRCell m_cell;
    const CRect m_rect{10, 10, 210, 160};
};

}

TEST_F(CKelWmfCellTypeTest, ExportIsLoadedOnceAndTheFileDeleted)
{
    WriteFixture(m_sPath, PlaceableFixture(50, 40, 96));
    CCellBitmap first;
    Draw(first);
    EXPECT_FALSE(FileExists(m_sPath));
    const HENHMETAFILE hLoaded = m_type.GetMetaFile().GetHandle();
    ASSERT_NE(hLoaded, nullptr);
    CCellBitmap second;
    Draw(second);
    EXPECT_EQ(m_type.GetMetaFile().GetHandle(), hLoaded);
    EXPECT_EQ(second.Pixel(12, 157), kRed);
    EXPECT_FALSE(m_type.LoadGraphFile());
}

TEST_F(CKelWmfCellTypeTest, WithoutAFileOnlyTheBackgroundIsDrawn)
{
    CCellBitmap bitmap;
    Draw(bitmap);
    EXPECT_EQ(m_type.GetMetaFile().GetHandle(), nullptr);
    for (CPoint point : {CPoint(12, 12), CPoint(12, 157), CPoint(207, 157)})
        EXPECT_EQ(bitmap.Pixel(point.x, point.y), kGreen);
    CKelWmfCellType unnamed;
    CCellBitmap untouched;
    CRect rect = m_rect;
    unnamed.OnDraw(&untouched.m_dc, &rect, 1, 1, &m_cell, 0, 0);
    EXPECT_EQ(untouched.Pixel(12, 12), RGB(255, 255, 255));
}

TEST_F(CKelWmfCellTypeTest, ScreenShowsPixelSizeAtBottomLeftPaperFillsTheCell)
{
    struct Row {
        const char* lpszCase;
        BOOL bPrinting;
        COLORREF crTopLeft, crBottomLeft, crBottomRight;
    };
    const Row rows[] = {{"screen", FALSE, kGreen, kRed, kGreen}, {"printing", TRUE, kRed, kRed, kRed}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        WriteFixture(m_sPath, PlaceableFixture(50, 40, 96));
        CCellBitmap bitmap;
        bitmap.m_dc.m_bPrinting = row.bPrinting;
        Draw(bitmap);
        EXPECT_EQ(bitmap.Pixel(13, 13), row.crTopLeft);
        EXPECT_EQ(bitmap.Pixel(13, 156), row.crBottomLeft);
        EXPECT_EQ(bitmap.Pixel(206, 156), row.crBottomRight);
    }
    const CRect& device = m_type.GetMetaFile().m_rcDevice;
    CCellBitmap bitmap;
    Draw(bitmap);
    EXPECT_EQ(bitmap.Pixel(m_rect.left + device.right - 2, m_rect.bottom - device.bottom + 2), kRed);
    EXPECT_EQ(bitmap.Pixel(m_rect.left + device.right + 2, m_rect.bottom - device.bottom - 2), kGreen);
}
