#pragma once
// Classes in this file: CMemFile, a file held in memory, so that an archive
// can turn objects into bytes (and back) without a disk file. It grows by
// nGrowBytes at a time and starts empty and open.

#include "CFile.h"

#include <vector>

class CMemFile : public CFile {
public:
    explicit CMemFile(UINT nGrowBytes = 1024);

    ULONGLONG GetPosition() const override { return m_nPosition; }
    ULONGLONG GetLength() const override { return m_nLength; }

    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    void Flush() override {}
    void Close() override;
    void Abort() override { Close(); }

private:
    void Reserve(size_t nLength);

    UINT m_nGrowBytes;
    std::vector<BYTE> m_aBytes;  // capacity in steps of m_nGrowBytes
    size_t m_nLength = 0;
    size_t m_nPosition = 0;
};
