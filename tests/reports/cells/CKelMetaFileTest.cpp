// CKelMetaFile: the three formats read with their frames, device sizes and
// descriptions; damaged files refused while the held picture stays; the
// file dialog for an empty name.
#include "reports/cells/CKelMetaFile.h"

#include "CFileDialog.h"

#include "MetafileFixtures.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct Screen {
    int nWidthMm, nHeightMm, nWidthPx, nHeightPx;
};

Screen ReadScreen()
{
    HDC hDC = ::GetDC(nullptr);
    const Screen screen = {::GetDeviceCaps(hDC, HORZSIZE), ::GetDeviceCaps(hDC, VERTSIZE),
                           ::GetDeviceCaps(hDC, HORZRES), ::GetDeviceCaps(hDC, VERTRES)};
    ::ReleaseDC(nullptr, hDC);
    return screen;
}

CRect DeviceOf(const CRect& frame)
{
    const Screen s = ReadScreen();
    return CRect(frame.left * s.nWidthPx / (s.nWidthMm * 100), frame.top * s.nHeightPx / (s.nHeightMm * 100),
                 frame.right * s.nWidthPx / (s.nWidthMm * 100), frame.bottom * s.nHeightPx / (s.nHeightMm * 100));
}

std::vector<BYTE> Cut(std::vector<BYTE> bytes, size_t nLength)
{
    bytes.resize(nLength);
    return bytes;
}

std::vector<BYTE> WithSizeWords(std::vector<BYTE> bytes, size_t nOffset, DWORD nWords)
{
    std::memcpy(bytes.data() + nOffset + 6, &nWords, sizeof(nWords));
    return bytes;
}

}

TEST(CKelMetaFile, EachFormatGivesItsFrameDeviceAndDescription)
{
    const Screen screen = ReadScreen();
    const RECT emfFrame = {0, 0, 2000, 1000};
    struct Row {
        const char* lpszCase;
        std::vector<BYTE> bytes;
        int nFormat;
        CRect frame;
        CRect device;
        const char* lpszDescription;
    };
    const CRect plainFrame(0, 0, screen.nWidthPx * screen.nWidthMm * 100 / screen.nWidthPx,
                           screen.nHeightPx * screen.nHeightMm * 100 / screen.nHeightPx);
    const Row rows[] = {
        {"enhanced", EnhancedFixture(emfFrame, "Vestolar\0Graph\0\0"), 0, CRect(0, 0, 2000, 1000),
         DeviceOf(CRect(0, 0, 2000, 1000)), "Vestolar"},
        {"placeable, 1440 per inch", PlaceableFixture(1440, 720, 1440), 1, CRect(0, 0, 2540, 1270),
         DeviceOf(CRect(0, 0, 2540, 1270)), "WMF - Aldus Format"},
        {"plain", WindowsFixture(50, 40), 2, plainFrame, CRect(0, 0, screen.nWidthPx, screen.nHeightPx),
         "Windows 3.x MetaFile"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        const std::string sPath = TempFile("kelmetafile.wmf");
        WriteFixture(sPath, row.bytes);
        CKelMetaFile metaFile;
        EXPECT_NE(metaFile.Load(sPath.c_str()), nullptr);
        EXPECT_EQ(metaFile.m_nFormat, row.nFormat);
        EXPECT_EQ(metaFile.m_rcFrame, row.frame);
        EXPECT_EQ(metaFile.m_rcDevice, row.device);
        EXPECT_EQ(metaFile.m_sDescription, row.lpszDescription);
        EXPECT_EQ(metaFile.m_sFileName, sPath.c_str());
        ::DeleteFileA(sPath.c_str());
    }
}

TEST(CKelMetaFile, DamagedFilesLoadNothingAndKeepTheHeldPicture)
{
    const std::vector<BYTE> placeable = PlaceableFixture(1440, 720, 1440);
    struct Row {
        const char* lpszCase;
        std::vector<BYTE> bytes;
    };
    const Row rows[] = {
        {"truncated placeable", Cut(placeable, placeable.size() - 10)},
        {"placeable header only", Cut(placeable, 22)},
        {"oversized plain", WithSizeWords(WindowsFixture(50, 40), 0, 0x7FFFFFF)},
        {"oversized placeable", WithSizeWords(placeable, 22, 0x7FFFFFF)},
        {"inch 0", PlaceableFixture(1440, 720, 0)},
        {"truncated enhanced", Cut(EnhancedFixture({0, 0, 100, 100}, nullptr), 60)},
        {"empty file", {}},
    };
    CKelMetaFile metaFile;
    HENHMETAFILE hHeld = metaFile.LoadFromBits(placeable.data(), placeable.size());
    ASSERT_NE(hHeld, nullptr);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        const std::string sPath = TempFile("damaged.wmf");
        WriteFixture(sPath, row.bytes);
        EXPECT_EQ(metaFile.Load(sPath.c_str()), nullptr);
        EXPECT_EQ(metaFile.LoadFromBits(row.bytes.data(), row.bytes.size()), nullptr);
        EXPECT_EQ(metaFile.GetHandle(), hHeld);
        EXPECT_EQ(metaFile.m_nFormat, 1);
        EXPECT_EQ(metaFile.m_rcFrame, CRect(0, 0, 2540, 1270));
        ::DeleteFileA(sPath.c_str());
    }
    EXPECT_EQ(metaFile.Load(TempFile("no such graph.wmf").c_str()), nullptr);
    EXPECT_EQ(metaFile.GetHandle(), hHeld);
}

TEST(CKelMetaFile, EmptyNameAsksWithTheFileDialog)
{
    const std::string sPath = TempFile("chosen.wmf");
    WriteFixture(sPath, PlaceableFixture(1440, 720, 1440));
    std::string sFilter;
    struct Row {
        INT_PTR nAnswer;
        bool bLoaded;
    };
    for (const Row& row : {Row{IDCANCEL, false}, Row{IDOK, true}}) {
        SCOPED_TRACE(row.nAnswer);
        AfxSetCommonDialogHook([&](CCommonDialog& dialog) {
            auto& fileDialog = static_cast<CFileDialog&>(dialog);
            for (const char* p = fileDialog.m_ofn.lpstrFilter; p && *p; p += std::strlen(p) + 1)
                sFilter += std::string(p) + "|";
            std::strcpy(fileDialog.m_ofn.lpstrFile, sPath.c_str());
            return row.nAnswer;
        });
        CKelMetaFile metaFile;
        sFilter.clear();
        EXPECT_EQ(metaFile.Load("") != nullptr, row.bLoaded);
        EXPECT_EQ(metaFile.m_nFormat, row.bLoaded ? 1 : -1);
        EXPECT_EQ(metaFile.m_sFileName, row.bLoaded ? sPath.c_str() : "");
        EXPECT_EQ(sFilter, "Windows MetaFile(*.wmf)|*.wmf|Enhanced MetaFile(*.emf)|*.emf|");
    }
    AfxSetCommonDialogHook(nullptr);
    ::DeleteFileA(sPath.c_str());
}

// Another program's mapping named "MapF" holds a different picture: the
// file asked for is the one read.
TEST(CKelMetaFile, AnotherProgramsMappingNeverSuppliesThePicture)
{
    const std::vector<BYTE> foreign = WindowsFixture(50, 40);
    HANDLE hForeign = ::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                           static_cast<DWORD>(foreign.size()), "MapF");
    ASSERT_NE(hForeign, nullptr);
    void* pView = ::MapViewOfFile(hForeign, FILE_MAP_WRITE, 0, 0, 0);
    ASSERT_NE(pView, nullptr);
    std::memcpy(pView, foreign.data(), foreign.size());
    const std::string sPath = TempFile("own.wmf");
    WriteFixture(sPath, PlaceableFixture(1440, 720, 1440));
    CKelMetaFile metaFile;
    EXPECT_NE(metaFile.Load(sPath.c_str()), nullptr);
    EXPECT_EQ(metaFile.m_nFormat, 1);
    EXPECT_EQ(metaFile.m_rcFrame, CRect(0, 0, 2540, 1270));
    ::UnmapViewOfFile(pView);
    ::CloseHandle(hForeign);
    ::DeleteFileA(sPath.c_str());
}
