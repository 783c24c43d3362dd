#include "CMemFile.h"

#include <algorithm>
#include <cstring>

CMemFile::CMemFile(UINT nGrowBytes) : m_nGrowBytes(std::max<UINT>(nGrowBytes, 1))
{
}

UINT CMemFile::Read(void* lpBuf, UINT nCount)
{
    const size_t nRead = std::min<size_t>(nCount, m_nLength - std::min(m_nPosition, m_nLength));
    if (nRead > 0)
        std::memcpy(lpBuf, m_aBytes.data() + m_nPosition, nRead);
    m_nPosition += nRead;
    return static_cast<UINT>(nRead);
}

// Writing past the end (after a seek beyond it) fills the gap with zeros.
void CMemFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    Reserve(m_nPosition + nCount);
    std::memcpy(m_aBytes.data() + m_nPosition, lpBuf, nCount);
    m_nPosition += nCount;
    m_nLength = std::max(m_nLength, m_nPosition);
}

// A position before the start is refused, as on a disk file; one past the
// end is allowed and makes the file longer only when written there.
ULONGLONG CMemFile::Seek(LONGLONG lOff, UINT nFrom)
{
    const LONGLONG nOrigin = nFrom == begin ? 0 : nFrom == current ? static_cast<LONGLONG>(m_nPosition)
                                                                     : static_cast<LONGLONG>(m_nLength);
    const LONGLONG nPosition = nOrigin + lOff;
    if (nFrom > end || nPosition < 0)
        AfxThrowFileException(CFileException::badSeek, -1, "");
    m_nPosition = static_cast<size_t>(nPosition);
    return m_nPosition;
}

void CMemFile::Close()
{
    m_aBytes.clear();
    m_aBytes.shrink_to_fit();
    m_nLength = 0;
    m_nPosition = 0;
}

void CMemFile::Reserve(size_t nLength)
{
    if (nLength <= m_aBytes.size())
        return;
    const size_t nSteps = (nLength + m_nGrowBytes - 1) / m_nGrowBytes;
    m_aBytes.resize(nSteps * m_nGrowBytes, 0);
}
