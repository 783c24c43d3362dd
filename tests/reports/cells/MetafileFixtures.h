#pragma once
// Metafile files for the graph-cell tests, made by the system: an enhanced
// metafile with a frame and a description, a plain Windows metafile, and
// placeable ones around it. Each picture is one red rectangle over all of it.

#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

inline void FillRed(HDC hDC, int cx, int cy)
{
    HBRUSH hBrush = ::CreateSolidBrush(RGB(255, 0, 0));
    HGDIOBJ hOldBrush = ::SelectObject(hDC, hBrush);
    HGDIOBJ hOldPen = ::SelectObject(hDC, ::GetStockObject(NULL_PEN));
    ::Rectangle(hDC, 0, 0, cx + 1, cy + 1);
    ::SelectObject(hDC, hOldPen);
    ::SelectObject(hDC, hOldBrush);
    ::DeleteObject(hBrush);
}

inline std::vector<BYTE> EnhancedFixture(const RECT& frame, const char* pDescription)
{
    HDC hDC = ::CreateEnhMetaFileA(nullptr, nullptr, &frame, pDescription);
    FillRed(hDC, 40, 20);
    HENHMETAFILE hMetafile = ::CloseEnhMetaFile(hDC);
    std::vector<BYTE> bytes(::GetEnhMetaFileBits(hMetafile, 0, nullptr));
    ::GetEnhMetaFileBits(hMetafile, static_cast<UINT>(bytes.size()), bytes.data());
    ::DeleteEnhMetaFile(hMetafile);
    return bytes;
}

// Recorded in units of a cx x cy picture.
inline std::vector<BYTE> WindowsFixture(int cx, int cy)
{
    HDC hDC = ::CreateMetaFileA(nullptr);
    ::SetWindowOrgEx(hDC, 0, 0, nullptr);
    ::SetWindowExtEx(hDC, cx, cy, nullptr);
    FillRed(hDC, cx, cy);
    HMETAFILE hMetafile = ::CloseMetaFile(hDC);
    std::vector<BYTE> bytes(::GetMetaFileBitsEx(hMetafile, 0, nullptr));
    ::GetMetaFileBitsEx(hMetafile, static_cast<UINT>(bytes.size()), bytes.data());
    ::DeleteMetaFile(hMetafile);
    return bytes;
}

inline std::vector<BYTE> PlaceableFixture(short nRight, short nBottom, WORD nInch)
{
    const WORD header[10] = {0xCDD7, 0x9AC6, 0, 0, 0, static_cast<WORD>(nRight), static_cast<WORD>(nBottom), nInch,
                             0, 0};
    std::vector<BYTE> bytes;
    WORD nChecksum = 0;
    for (WORD nWord : header) {
        bytes.push_back(LOBYTE(nWord));
        bytes.push_back(HIBYTE(nWord));
        nChecksum ^= nWord;
    }
    bytes.push_back(LOBYTE(nChecksum));
    bytes.push_back(HIBYTE(nChecksum));
    const std::vector<BYTE> metafile = WindowsFixture(nRight, nBottom);
    bytes.insert(bytes.end(), metafile.begin(), metafile.end());
    return bytes;
}

inline std::string TempFile(const char* pName)
{
    char szFolder[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, szFolder);
    return std::string(szFolder) + pName;
}

inline void WriteFixture(const std::string& sPath, const std::vector<BYTE>& bytes)
{
    std::ofstream file(sPath, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline bool FileExists(const std::string& sPath)
{
    return ::GetFileAttributesA(sPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}
