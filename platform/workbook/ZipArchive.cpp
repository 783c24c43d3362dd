#include "ZipArchive.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>

namespace {

const uint32_t kLocalHeader = 0x04034b50;
const uint32_t kCentralHeader = 0x02014b50;
const uint32_t kEndOfDirectory = 0x06054b50;
const size_t kEndOfDirectorySize = 22;
const size_t kLocalHeaderSize = 30;
const size_t kCentralHeaderSize = 46;
const unsigned kFlagEncrypted = 0x0001;
const unsigned kFlagSizesAfterData = 0x0008;
const unsigned kFlagUtf8Names = 0x0800;

uint32_t ReadLE(const std::string& s, size_t nPos, int nBytes)
{
    uint32_t n = 0;
    for (int i = nBytes - 1; i >= 0; --i)
        n = (n << 8) | static_cast<unsigned char>(s[nPos + i]);
    return n;
}

void WriteLE(std::string& s, uint32_t n, int nBytes)
{
    for (int i = 0; i < nBytes; ++i, n >>= 8)
        s += static_cast<char>(n & 0xFF);
}

unsigned long Crc32(const std::string& s)
{
    return crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(s.data()),
                 static_cast<uInt>(s.size()));
}

// Raw deflate (no zlib header), as zip stores it.
std::string Deflate(const std::string& sData)
{
    z_stream zs{};
    deflateInit2(&zs, 6, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    std::string sOut(deflateBound(&zs, static_cast<uLong>(sData.size())), '\0');
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(sData.data()));
    zs.avail_in = static_cast<uInt>(sData.size());
    zs.next_out = reinterpret_cast<Bytef*>(&sOut[0]);
    zs.avail_out = static_cast<uInt>(sOut.size());
    deflate(&zs, Z_FINISH);
    sOut.resize(zs.total_out);
    deflateEnd(&zs);
    return sOut;
}

bool Inflate(const std::string& sIn, size_t nSize, std::string& rsOut)
{
    rsOut.assign(nSize, '\0');
    z_stream zs{};
    if (inflateInit2(&zs, -15) != Z_OK)
        return false;
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(sIn.data()));
    zs.avail_in = static_cast<uInt>(sIn.size());
    zs.next_out = reinterpret_cast<Bytef*>(rsOut.empty() ? nullptr : &rsOut[0]);
    zs.avail_out = static_cast<uInt>(nSize);
    const int nResult = inflate(&zs, Z_FINISH);
    const bool bComplete = nResult == Z_STREAM_END && zs.total_out == nSize;
    inflateEnd(&zs);
    return bComplete;
}

}  // namespace

// The end record lies within the last 64 KiB plus its own size (its comment
// is at most 65535 bytes); the search runs backwards so a comment that holds
// the signature does not mislead it.
bool CZipArchive::Read(const std::string& sBytes, std::string& rsError)
{
    m_aEntries.clear();
    if (sBytes.size() < kEndOfDirectorySize) {
        rsError = "the file is too short to be a workbook";
        return false;
    }
    const size_t nLowest = sBytes.size() > kEndOfDirectorySize + 0xFFFF
                               ? sBytes.size() - kEndOfDirectorySize - 0xFFFF : 0;
    size_t nEnd = std::string::npos;
    for (size_t nPos = sBytes.size() - kEndOfDirectorySize + 1; nPos-- > nLowest;) {
        if (ReadLE(sBytes, nPos, 4) == kEndOfDirectory) {
            nEnd = nPos;
            break;
        }
    }
    if (nEnd == std::string::npos) {
        rsError = "the workbook is damaged (no zip directory)";
        return false;
    }
    const uint32_t nDisk = ReadLE(sBytes, nEnd + 4, 2);
    const uint32_t nDirDisk = ReadLE(sBytes, nEnd + 6, 2);
    const uint32_t nCount = ReadLE(sBytes, nEnd + 10, 2);
    const uint32_t nDirSize = ReadLE(sBytes, nEnd + 12, 4);
    const uint32_t nDirOffset = ReadLE(sBytes, nEnd + 16, 4);
    if (nCount == 0xFFFF || nDirSize == 0xFFFFFFFF || nDirOffset == 0xFFFFFFFF) {
        rsError = "the workbook uses zip64, which is not supported";
        return false;
    }
    if (nDisk != 0 || nDirDisk != 0) {
        rsError = "the workbook spans several disks";
        return false;
    }
    if (static_cast<size_t>(nDirOffset) + nDirSize > nEnd) {
        rsError = "the workbook is damaged (zip directory out of bounds)";
        return false;
    }
    size_t nPos = nDirOffset;
    for (uint32_t i = 0; i < nCount; ++i) {
        if (!ReadCentralEntry(sBytes, nPos, rsError)) {
            m_aEntries.clear();
            return false;
        }
    }
    return true;
}

bool CZipArchive::ReadCentralEntry(const std::string& sBytes, size_t& rnPos, std::string& rsError)
{
    rsError = "the workbook is damaged (truncated zip entry)";
    if (rnPos + kCentralHeaderSize > sBytes.size() || ReadLE(sBytes, rnPos, 4) != kCentralHeader)
        return false;
    Entry entry;
    entry.nFlags = ReadLE(sBytes, rnPos + 8, 2);
    entry.nMethod = ReadLE(sBytes, rnPos + 10, 2);
    entry.nTime = ReadLE(sBytes, rnPos + 12, 2);
    entry.nDate = ReadLE(sBytes, rnPos + 14, 2);
    entry.nCrc = ReadLE(sBytes, rnPos + 16, 4);
    const uint32_t nCompressed = ReadLE(sBytes, rnPos + 20, 4);
    const uint32_t nUncompressed = ReadLE(sBytes, rnPos + 24, 4);
    const size_t nNameLen = ReadLE(sBytes, rnPos + 28, 2);
    const size_t nExtraLen = ReadLE(sBytes, rnPos + 30, 2);
    const size_t nCommentLen = ReadLE(sBytes, rnPos + 32, 2);
    const uint32_t nLocal = ReadLE(sBytes, rnPos + 42, 4);
    if (rnPos + kCentralHeaderSize + nNameLen + nExtraLen + nCommentLen > sBytes.size())
        return false;
    entry.sName = sBytes.substr(rnPos + kCentralHeaderSize, nNameLen);
    rnPos += kCentralHeaderSize + nNameLen + nExtraLen + nCommentLen;
    if (nCompressed == 0xFFFFFFFF || nUncompressed == 0xFFFFFFFF || nLocal == 0xFFFFFFFF) {
        rsError = "the workbook uses zip64, which is not supported";
        return false;
    }
    if (entry.nFlags & kFlagEncrypted) {
        rsError = "the workbook is encrypted";
        return false;
    }
    if (entry.nMethod != 0 && entry.nMethod != 8) {
        rsError = "the workbook uses an unsupported zip compression";
        return false;
    }
    if (static_cast<size_t>(nLocal) + kLocalHeaderSize > sBytes.size() ||
        ReadLE(sBytes, nLocal, 4) != kLocalHeader)
        return false;
    const size_t nData = nLocal + kLocalHeaderSize + ReadLE(sBytes, nLocal + 26, 2) +
                         ReadLE(sBytes, nLocal + 28, 2);
    if (nData + nCompressed > sBytes.size())
        return false;
    entry.sCompressed = sBytes.substr(nData, nCompressed);
    entry.nUncompressedSize = nUncompressed;
    entry.nFlags &= ~kFlagSizesAfterData;
    m_aEntries.push_back(std::move(entry));
    return true;
}

bool CZipArchive::Extract(const std::string& sName, std::string& rsData, std::string& rsError) const
{
    const Entry* pEntry = Find(sName);
    if (!pEntry) {
        rsError = "the workbook lacks its part " + sName;
        return false;
    }
    if (pEntry->nMethod == 0)
        rsData = pEntry->sCompressed;
    else if (!Inflate(pEntry->sCompressed, pEntry->nUncompressedSize, rsData)) {
        rsError = "the workbook is damaged (part " + sName + " does not unpack)";
        return false;
    }
    if (rsData.size() != pEntry->nUncompressedSize || Crc32(rsData) != pEntry->nCrc) {
        rsError = "the workbook is damaged (part " + sName + " fails its checksum)";
        return false;
    }
    return true;
}

void CZipArchive::Store(const std::string& sName, const std::string& sData)
{
    Entry entry;
    entry.sName = sName;
    entry.nMethod = 8;
    entry.nCrc = Crc32(sData);
    entry.nUncompressedSize = sData.size();
    entry.sCompressed = Deflate(sData);
    entry.nDate = (2000 - 1980) << 9 | 1 << 5 | 1;  // 1 January 2000: a fixed date keeps saves repeatable
    for (Entry& old : m_aEntries) {
        if (old.sName == sName) {
            entry.nTime = old.nTime;
            entry.nDate = old.nDate;
            entry.nFlags = old.nFlags & kFlagUtf8Names;
            old = std::move(entry);
            return;
        }
    }
    m_aEntries.push_back(std::move(entry));
}

void CZipArchive::Remove(const std::string& sName)
{
    m_aEntries.erase(std::remove_if(m_aEntries.begin(), m_aEntries.end(),
                                    [&](const Entry& e) { return e.sName == sName; }),
                     m_aEntries.end());
}

const CZipArchive::Entry* CZipArchive::Find(const std::string& sName) const
{
    for (const Entry& entry : m_aEntries)
        if (entry.sName == sName)
            return &entry;
    return nullptr;
}

// Every entry gets a fresh local header with its sizes in front, so readers
// that walk the local headers need no data descriptors.
std::string CZipArchive::Write() const
{
    std::string sOut;
    std::string sDirectory;
    for (const Entry& entry : m_aEntries) {
        const uint32_t nOffset = static_cast<uint32_t>(sOut.size());
        std::string sCommon;
        WriteLE(sCommon, 20, 2);  // version needed: deflate
        WriteLE(sCommon, entry.nFlags, 2);
        WriteLE(sCommon, entry.nMethod, 2);
        WriteLE(sCommon, entry.nTime, 2);
        WriteLE(sCommon, entry.nDate, 2);
        WriteLE(sCommon, static_cast<uint32_t>(entry.nCrc), 4);
        WriteLE(sCommon, static_cast<uint32_t>(entry.sCompressed.size()), 4);
        WriteLE(sCommon, static_cast<uint32_t>(entry.nUncompressedSize), 4);
        WriteLE(sCommon, static_cast<uint32_t>(entry.sName.size()), 2);
        WriteLE(sCommon, 0, 2);  // no extra field

        WriteLE(sOut, kLocalHeader, 4);
        sOut += sCommon + entry.sName + entry.sCompressed;

        WriteLE(sDirectory, kCentralHeader, 4);
        WriteLE(sDirectory, 20, 2);  // made by: MS-DOS attributes
        sDirectory += sCommon;
        WriteLE(sDirectory, 0, 2);   // comment
        WriteLE(sDirectory, 0, 2);   // disk
        WriteLE(sDirectory, 0, 2);   // internal attributes
        WriteLE(sDirectory, 0, 4);   // external attributes
        WriteLE(sDirectory, nOffset, 4);
        sDirectory += entry.sName;
    }
    const uint32_t nDirOffset = static_cast<uint32_t>(sOut.size());
    sOut += sDirectory;
    WriteLE(sOut, kEndOfDirectory, 4);
    WriteLE(sOut, 0, 2);
    WriteLE(sOut, 0, 2);
    WriteLE(sOut, static_cast<uint32_t>(m_aEntries.size()), 2);
    WriteLE(sOut, static_cast<uint32_t>(m_aEntries.size()), 2);
    WriteLE(sOut, static_cast<uint32_t>(sDirectory.size()), 4);
    WriteLE(sOut, nDirOffset, 4);
    WriteLE(sOut, 0, 2);
    return sOut;
}
