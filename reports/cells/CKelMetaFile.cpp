#include "CKelMetaFile.h"

#include "CMetaFileBits.h"

#include "CFileDialog.h"

#include "res/resource.h"

#include <cstdint>
#include <vector>

namespace {

// Millimetres and pixels of the screen, across and down.
struct ScreenSize {
    int nWidthMm, nHeightMm, nWidthPx, nHeightPx;
};

ScreenSize ReadScreen()
{
    HDC hScreen = ::GetDC(nullptr);
    const ScreenSize size = {::GetDeviceCaps(hScreen, HORZSIZE), ::GetDeviceCaps(hScreen, VERTSIZE),
                             ::GetDeviceCaps(hScreen, HORZRES), ::GetDeviceCaps(hScreen, VERTRES)};
    ::ReleaseDC(nullptr, hScreen);
    return size;
}

// value x pixels / (millimetres x 100), truncated
int ToPixels(int nHundredthsMm, int nPixels, int nMm)
{
    return nMm > 0 ? static_cast<int>(int64_t(nHundredthsMm) * nPixels / (int64_t(nMm) * 100)) : 0;
}

// pixels x millimetres x 100 / screen pixels, truncated
int ToHundredthsMm(int nPixels, int nScreenPixels, int nMm)
{
    return nScreenPixels > 0 ? static_cast<int>(int64_t(nPixels) * nMm * 100 / nScreenPixels) : 0;
}

CRect DeviceFromFrame(const CRect& frame, const ScreenSize& screen)
{
    return CRect(ToPixels(frame.left, screen.nWidthPx, screen.nWidthMm),
                 ToPixels(frame.top, screen.nHeightPx, screen.nHeightMm),
                 ToPixels(frame.right, screen.nWidthPx, screen.nWidthMm),
                 ToPixels(frame.bottom, screen.nHeightPx, screen.nHeightMm));
}

// A picture made from the bits, before it replaces the held one.
struct CPicture {
    HENHMETAFILE hMetaFile = nullptr;
    CRect frame{0, 0, 0, 0};
    CRect device{0, 0, 0, 0};
    CString sDescription;
};

// The frame and description come from the enhanced metafile's header.
CPicture EnhancedPicture(HENHMETAFILE hMetaFile, const ScreenSize& screen)
{
    CPicture picture;
    ENHMETAHEADER header = {};
    if (!hMetaFile || !::GetEnhMetaFileHeader(hMetaFile, sizeof(header), &header)) {
        if (hMetaFile)
            ::DeleteEnhMetaFile(hMetaFile);
        return picture;
    }
    picture.hMetaFile = hMetaFile;
    picture.frame = CRect(header.rclFrame.left, header.rclFrame.top, header.rclFrame.right, header.rclFrame.bottom);
    picture.device = DeviceFromFrame(picture.frame, screen);
    if (header.nDescription) {
        std::vector<char> text(header.nDescription + 1, 0);
        ::GetEnhMetaFileDescriptionA(hMetaFile, header.nDescription, text.data());
        picture.sDescription = text.data();
    }
    return picture;
}

CString LoadText(UINT nID)
{
    CString sText;
    sText.LoadString(nID);
    return sText;
}

// A file mapped for reading for the life of the object. The mapping has
// no name: a named one would hand over any other program's mapping of
// that name instead of this file.
class CReadOnlyView {
public:
    explicit CReadOnlyView(const CString& sFileName)
    {
        m_hFile = ::CreateFileA(sFileName, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
        if (m_hFile == INVALID_HANDLE_VALUE)
            return;
        LARGE_INTEGER size = {};
        if (!::GetFileSizeEx(m_hFile, &size) || size.QuadPart <= 0 || size.QuadPart > 0x7FFFFFFF)
            return;
        m_hMapping = ::CreateFileMappingA(m_hFile, nullptr, PAGE_READONLY, 0, 0, nullptr);
        if (m_hMapping)
            m_pView = static_cast<const BYTE*>(::MapViewOfFile(m_hMapping, FILE_MAP_READ, 0, 0, 0));
        if (m_pView)
            m_nLength = static_cast<size_t>(size.QuadPart);
    }
    ~CReadOnlyView()
    {
        if (m_pView)
            ::UnmapViewOfFile(m_pView);
        if (m_hMapping)
            ::CloseHandle(m_hMapping);
        if (m_hFile != INVALID_HANDLE_VALUE)
            ::CloseHandle(m_hFile);
    }
    CReadOnlyView(const CReadOnlyView&) = delete;
    CReadOnlyView& operator=(const CReadOnlyView&) = delete;

    const BYTE* m_pView = nullptr;
    size_t m_nLength = 0;

private:
    HANDLE m_hFile = INVALID_HANDLE_VALUE;
    HANDLE m_hMapping = nullptr;
};

}

CKelMetaFile::CKelMetaFile() : m_rcDevice(0, 0, 0, 0), m_rcFrame(0, 0, 0, 0) {}

CKelMetaFile::~CKelMetaFile()
{
    if (m_hMetaFile)
        ::DeleteEnhMetaFile(m_hMetaFile);
}

HENHMETAFILE CKelMetaFile::Load(const CString& sFileName)
{
    CString sName = sFileName;
    if (sName.IsEmpty()) {
        CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY,
                           "Windows MetaFile(*.wmf)|*.wmf|Enhanced MetaFile(*.emf)|*.emf||");
        if (dialog.DoModal() != IDOK)
            return nullptr;
        sName = dialog.GetPathName();
    }
    m_sFileName = sName;
    CReadOnlyView view(sName);
    if (!view.m_pView)
        return nullptr;
    return LoadFromBits(view.m_pView, view.m_nLength);
}

// The new picture is made first and replaces the held one only when it
// could be made.
HENHMETAFILE CKelMetaFile::LoadFromBits(const BYTE* pBits, size_t nLength)
{
    const CMetaFileBits bits(pBits, nLength);
    const ScreenSize screen = ReadScreen();
    const UINT nSize = static_cast<UINT>(bits.GetMetafileSize());
    CPicture picture;
    switch (bits.GetFormat()) {
    case CMetaFileBits::kEnhanced:
        picture = EnhancedPicture(::SetEnhMetaFileBits(nSize, bits.GetMetafile()), screen);
        break;
    case CMetaFileBits::kPlaceable: {
        METAFILEPICT description = {MM_ANISOTROPIC, bits.FrameWidth(), bits.FrameHeight(), nullptr};
        picture.hMetaFile = ::SetWinMetaFileBits(nSize, bits.GetMetafile(), nullptr, &description);
        picture.frame = CRect(0, 0, bits.FrameWidth(), bits.FrameHeight());
        picture.device = DeviceFromFrame(picture.frame, screen);
        picture.sDescription = LoadText(IDS_WMF_ALDUS_FORMAT);
        break;
    }
    case CMetaFileBits::kPlain:
        picture.hMetaFile = ::SetWinMetaFileBits(nSize, bits.GetMetafile(), nullptr, nullptr);
        picture.device = CRect(0, 0, screen.nWidthPx, screen.nHeightPx);
        picture.frame = CRect(0, 0, ToHundredthsMm(screen.nWidthPx, screen.nWidthPx, screen.nWidthMm),
                              ToHundredthsMm(screen.nHeightPx, screen.nHeightPx, screen.nHeightMm));
        picture.sDescription = LoadText(IDS_WMF_WINDOWS_3X);
        break;
    default:
        break;
    }
    if (!picture.hMetaFile)
        return nullptr;
    if (m_hMetaFile)
        ::DeleteEnhMetaFile(m_hMetaFile);
    m_hMetaFile = picture.hMetaFile;
    m_rcFrame = picture.frame;
    m_rcDevice = picture.device;
    m_sDescription = picture.sDescription;
    m_nFormat = bits.GetFormat();
    return m_hMetaFile;
}
