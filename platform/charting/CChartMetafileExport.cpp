#include "CChartMetafileExport.h"

#include "CChartGdiPainter.h"

#include "CAtomicFile.h"
#include "CDC.h"
#include "CFileException.h"

namespace {

constexpr DWORD kPlaceableKey = 0x9AC6CDD7;
constexpr WORD kUnitsPerInch = 96;
constexpr size_t kHeaderWords = 11;

void PutWord(std::vector<BYTE>& bytes, WORD nWord)
{
    bytes.push_back(LOBYTE(nWord));
    bytes.push_back(HIBYTE(nWord));
}

// Key, handle 0, box (left, top, right, bottom), units per inch, reserved
// 0, and the checksum: the XOR of the ten words before it.
std::vector<BYTE> PlaceableHeader(int nWidth, int nHeight)
{
    const WORD words[kHeaderWords - 1] = {LOWORD(kPlaceableKey), HIWORD(kPlaceableKey), 0, 0, 0,
                                          static_cast<WORD>(nWidth), static_cast<WORD>(nHeight),
                                          kUnitsPerInch, 0, 0};
    std::vector<BYTE> bytes;
    WORD nChecksum = 0;
    for (WORD nWord : words) {
        PutWord(bytes, nWord);
        nChecksum ^= nWord;
    }
    PutWord(bytes, nChecksum);
    return bytes;
}

}

CChartMetafileExport::CChartMetafileExport(const CChartDrawList& list) : m_list(list) {}

std::vector<BYTE> CChartMetafileExport::RecordMetafile() const
{
    CDC dc;
    if (!dc.Attach(::CreateMetaFileA(nullptr)))
        return {};
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowOrg(0, 0);
    dc.SetWindowExt(m_list.Width(), m_list.Height());
    CChartGdiPainter(m_list).Paint(dc);
    HMETAFILE hMetafile = ::CloseMetaFile(dc.Detach());
    if (!hMetafile)
        return {};
    std::vector<BYTE> bytes(::GetMetaFileBitsEx(hMetafile, 0, nullptr));
    ::GetMetaFileBitsEx(hMetafile, static_cast<UINT>(bytes.size()), bytes.data());
    ::DeleteMetaFile(hMetafile);
    return bytes;
}

std::vector<BYTE> CChartMetafileExport::Bytes() const
{
    const std::vector<BYTE> metafile = RecordMetafile();
    if (metafile.empty())
        return {};
    std::vector<BYTE> bytes = PlaceableHeader(m_list.Width(), m_list.Height());
    bytes.insert(bytes.end(), metafile.begin(), metafile.end());
    return bytes;
}

BOOL CChartMetafileExport::Write(const CString& sPath) const
{
    const std::vector<BYTE> bytes = Bytes();
    if (bytes.empty() || sPath.IsEmpty())
        return FALSE;
    try {
        CAtomicFile file;
        if (!file.Open(sPath))
            return FALSE;
        file.GetFile().Write(bytes.data(), static_cast<UINT>(bytes.size()));
        file.Commit();
    } catch (const CFileException&) {
        return FALSE;
    }
    return TRUE;
}
