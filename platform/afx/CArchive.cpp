#include "CArchive.h"
#include "CFile.h"
#include "CMemFile.h"
#include "CMemoryException.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <memory>
#include <string>

namespace {

// Tags of the object and class records.
const WORD kNullTag = 0;
const WORD kNewClassTag = 0xFFFF;
const WORD kClassTag = 0x8000;
const WORD kBigObjectTag = 0x7FFF;  // a DWORD index follows
const DWORD kBigClassTag = 0x80000000;

// A string length 0xFFFE after the 0xFF escape marks a UTF-16 string in the
// framework's format; an ANSI writer never produces it.
const BYTE kByteLengthEscape = 0xFF;
const WORD kUnicodeStringTag = 0xFFFE;
const WORD kWordLengthEscape = 0xFFFF;

// Class names longer than this are corrupt data, not classes.
const WORD kMaxClassNameLength = 64;

// Strings are read in pieces of this size, so that a corrupt length costs an
// end-of-file error instead of an allocation of gigabytes.
const UINT kStringReadChunk = 64 * 1024;

const WORD kSchemaMask = 0xFFFF;

}

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize)
    : m_pFile(pFile), m_nMode(nMode), m_aBuffer(static_cast<size_t>(std::max(nBufSize, 16)))
{
    // A memory file is open from its construction on.
    assert(pFile != nullptr && (pFile->IsOpen() || dynamic_cast<CMemFile*>(pFile) != nullptr));
    m_aLoaded.emplace_back();
}

// The owner should Close() a storing archive so that failures are reported;
// this flush is only the last resort and cannot report anything.
CArchive::~CArchive()
{
    if (m_pFile == nullptr || IsLoading() || (m_nMode & bNoFlushOnDelete) != 0)
        return;
    try {
        FlushBuffer();
    } catch (const CFileException&) {
    }
}

// Returns the schema of the object being read, once: a second call gives -1.
UINT CArchive::GetObjectSchema()
{
    const UINT nSchema = m_nObjectSchema;
    m_nObjectSchema = static_cast<UINT>(-1);
    return nSchema;
}

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    assert(m_pFile != nullptr);
    if (IsStoring())
        ThrowArchiveError(CArchiveException::writeOnly);
    BYTE* pDest = static_cast<BYTE*>(lpBuf);
    UINT nDone = 0;
    while (nDone < nMax) {
        if (m_nBufCur == m_nBufEnd) {
            FillBuffer();
            if (m_nBufEnd == 0)
                break;
        }
        const size_t nCopy = std::min<size_t>(nMax - nDone, m_nBufEnd - m_nBufCur);
        std::memcpy(pDest + nDone, m_aBuffer.data() + m_nBufCur, nCopy);
        m_nBufCur += nCopy;
        nDone += static_cast<UINT>(nCopy);
    }
    return nDone;
}

void CArchive::Write(const void* lpBuf, UINT nMax)
{
    assert(m_pFile != nullptr);
    if (IsLoading())
        ThrowArchiveError(CArchiveException::readOnly);
    const BYTE* pSource = static_cast<const BYTE*>(lpBuf);
    while (nMax > 0) {
        if (m_nBufCur == m_aBuffer.size())
            FlushBuffer();
        const size_t nCopy = std::min<size_t>(nMax, m_aBuffer.size() - m_nBufCur);
        std::memcpy(m_aBuffer.data() + m_nBufCur, pSource, nCopy);
        m_nBufCur += nCopy;
        pSource += nCopy;
        nMax -= static_cast<UINT>(nCopy);
    }
}

// Writes the text as it is; the caller adds the line ends it wants.
void CArchive::WriteString(LPCTSTR lpsz)
{
    Write(lpsz, static_cast<UINT>(std::strlen(lpsz)));
}

// Reads one line without its "\n" or "\r\n". FALSE at the end of the file
// when nothing was left to read.
BOOL CArchive::ReadString(CString& rString)
{
    std::string sLine;
    char ch = 0;
    bool bAny = false;
    while (Read(&ch, 1) == 1) {
        bAny = true;
        if (ch == '\n')
            break;
        sLine += ch;
    }
    if (!sLine.empty() && sLine.back() == '\r')
        sLine.pop_back();
    rString = CString(sLine);
    return bAny;
}

DWORD CArchive::ReadCount()
{
    WORD wCount;
    *this >> wCount;
    if (wCount != kWordLengthEscape)
        return wCount;
    DWORD dwCount;
    ReadLittleEndian(dwCount);
    return dwCount;
}

void CArchive::WriteCount(DWORD dwCount)
{
    if (dwCount < kWordLengthEscape) {
        WriteLittleEndian(static_cast<WORD>(dwCount));
        return;
    }
    WriteLittleEndian(kWordLengthEscape);
    WriteLittleEndian(dwCount);
}

void CArchive::WriteClass(const CRuntimeClass* pClassRef)
{
    assert(pClassRef != nullptr && pClassRef->m_wSchema != AFX_NO_SCHEMA);
    const auto found = m_mapStored.find(pClassRef);
    if (found != m_mapStored.end()) {
        WriteIndexTag(found->second, true);
        return;
    }
    const WORD wNameLength = static_cast<WORD>(std::strlen(pClassRef->m_lpszClassName));
    WriteLittleEndian(kNewClassTag);
    WriteLittleEndian(static_cast<WORD>(pClassRef->m_wSchema & kSchemaMask));
    WriteLittleEndian(wNameLength);
    Write(pClassRef->m_lpszClassName, wNameLength);
    m_mapStored[pClassRef] = m_nStoreCount++;
}

// Reads a class record. The schema goes to *pSchema, or without one to the
// archive's object schema (GetObjectSchema).
CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema)
{
    UINT nSchema = 0;
    DWORD nObjectTag = 0;
    CRuntimeClass* pClassRef = ReadClassOrTag(pClassRefRequested, nSchema, nObjectTag);
    if (pClassRef == nullptr)
        ThrowArchiveError(CArchiveException::badIndex);
    if (pSchema != nullptr)
        *pSchema = nSchema;
    else
        m_nObjectSchema = nSchema;
    return pClassRef;
}

void CArchive::SerializeClass(const CRuntimeClass* pClassRef)
{
    if (IsStoring())
        WriteClass(pClassRef);
    else
        ReadClass(pClassRef);
}

void CArchive::WriteObject(const CObject* pOb)
{
    if (pOb == nullptr) {
        WriteLittleEndian(kNullTag);
        return;
    }
    const auto found = m_mapStored.find(pOb);
    if (found != m_mapStored.end()) {
        WriteIndexTag(found->second, false);
        return;
    }
    WriteClass(pOb->GetRuntimeClass());
    m_mapStored[pOb] = m_nStoreCount++;
    const_cast<CObject*>(pOb)->Serialize(*this);
}

// Returns null for a null record, the earlier object for a back reference,
// else a new object of the recorded class filled by its Serialize. The
// object must be of pClassRefRequested (or derived), else badClass.
CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested)
{
    UINT nSchema = 0;
    DWORD nObjectTag = 0;
    CRuntimeClass* pClassRef = ReadClassOrTag(pClassRefRequested, nSchema, nObjectTag);
    if (pClassRef != nullptr)
        return ReadNewObject(pClassRef, nSchema);
    if (nObjectTag == kNullTag)
        return nullptr;
    CObject* pOb = LoadedEntry(nObjectTag).m_pObject;
    if (pOb == nullptr)
        ThrowArchiveError(CArchiveException::badIndex);
    if (pClassRefRequested != nullptr && !pOb->IsKindOf(pClassRefRequested))
        AfxThrowArchiveException(CArchiveException::badClass, pOb->GetRuntimeClass()->m_lpszClassName);
    return pOb;
}

// On a storing archive: writes the buffer to the file. On a loading one:
// gives the bytes read ahead back to the file, so that its position is the
// archive's.
void CArchive::Flush()
{
    assert(m_pFile != nullptr);
    if (IsStoring()) {
        FlushBuffer();
        return;
    }
    const size_t nUnread = m_nBufEnd - m_nBufCur;
    if (nUnread > 0)
        m_pFile->Seek(-static_cast<LONGLONG>(nUnread), CFile::current);
    m_nBufCur = m_nBufEnd = 0;
}

// Detaches from the file after flushing; the file itself stays open.
void CArchive::Close()
{
    Flush();
    m_pFile = nullptr;
}

// Detaches without writing what is still buffered: for the clean-up after a
// failure.
void CArchive::Abort()
{
    m_pFile = nullptr;
}

CArchive& CArchive::operator<<(float f)
{
    DWORD dwBits;
    static_assert(sizeof(dwBits) == sizeof(f), "float must be IEEE single precision");
    std::memcpy(&dwBits, &f, sizeof(f));
    return WriteLittleEndian(dwBits);
}

CArchive& CArchive::operator<<(double d)
{
    ULONGLONG nBits;
    static_assert(sizeof(nBits) == sizeof(d), "double must be IEEE double precision");
    std::memcpy(&nBits, &d, sizeof(d));
    return WriteLittleEndian(nBits);
}

CArchive& CArchive::operator>>(float& f)
{
    DWORD dwBits;
    ReadLittleEndian(dwBits);
    std::memcpy(&f, &dwBits, sizeof(f));
    return *this;
}

CArchive& CArchive::operator>>(double& d)
{
    ULONGLONG nBits;
    ReadLittleEndian(nBits);
    std::memcpy(&d, &nBits, sizeof(d));
    return *this;
}

void CArchive::ReadExactly(void* lpBuf, UINT nCount)
{
    if (Read(lpBuf, nCount) != nCount)
        ThrowArchiveError(CArchiveException::endOfFile);
}

void CArchive::FillBuffer()
{
    m_nBufCur = 0;
    m_nBufEnd = m_pFile->Read(m_aBuffer.data(), static_cast<UINT>(m_aBuffer.size()));
}

void CArchive::FlushBuffer()
{
    if (m_nBufCur > 0)
        m_pFile->Write(m_aBuffer.data(), static_cast<UINT>(m_nBufCur));
    m_nBufCur = 0;
}

// An index below 0x7FFF fits the WORD tag; a larger one follows the
// 0x7FFF escape as a DWORD, with the class bit moved to bit 31.
void CArchive::WriteIndexTag(DWORD nIndex, bool bClass)
{
    if (nIndex < kBigObjectTag) {
        WriteLittleEndian(static_cast<WORD>(bClass ? (kClassTag | nIndex) : nIndex));
        return;
    }
    WriteLittleEndian(kBigObjectTag);
    WriteLittleEndian(bClass ? (kBigClassTag | nIndex) : nIndex);
}

// Reads a tag and returns its class, checked against the requested class and
// the registered schema. For an object tag (null or back reference) returns
// null with the index in rObjectTag.
CRuntimeClass* CArchive::ReadClassOrTag(const CRuntimeClass* pClassRefRequested, UINT& rSchema,
                                        DWORD& rObjectTag)
{
    if (IsStoring())
        ThrowArchiveError(CArchiveException::writeOnly);
    WORD wTag;
    ReadLittleEndian(wTag);
    CRuntimeClass* pClassRef = nullptr;
    if (wTag == kNewClassTag) {
        pClassRef = ReadNewClass(rSchema);
    } else {
        DWORD nIndex = wTag & ~kClassTag;
        bool bClass = (wTag & kClassTag) != 0;
        if (wTag == kBigObjectTag) {
            ReadLittleEndian(nIndex);
            bClass = (nIndex & kBigClassTag) != 0;
            nIndex &= ~kBigClassTag;
        }
        if (!bClass) {
            rObjectTag = nIndex;
            return nullptr;
        }
        const CLoadedEntry& entry = LoadedEntry(nIndex);
        if (entry.m_pClass == nullptr)
            ThrowArchiveError(CArchiveException::badIndex);
        pClassRef = entry.m_pClass;
        rSchema = entry.m_nSchema;
    }
    if (pClassRefRequested != nullptr && !pClassRef->IsDerivedFrom(pClassRefRequested))
        AfxThrowArchiveException(CArchiveException::badClass, pClassRef->m_lpszClassName);
    return pClassRef;
}

// A versionable class reads every schema up to its own and leaves the rest
// to its Serialize; any other class reads only its own schema.
CRuntimeClass* CArchive::ReadNewClass(UINT& rSchema)
{
    WORD wSchema;
    WORD wNameLength;
    ReadLittleEndian(wSchema);
    ReadLittleEndian(wNameLength);
    if (wNameLength > kMaxClassNameLength)
        ThrowArchiveError(CArchiveException::badClass);
    char szName[kMaxClassNameLength + 1] = {};
    ReadExactly(szName, wNameLength);
    CRuntimeClass* pClassRef = CRuntimeClass::FromName(szName);
    if (pClassRef == nullptr || pClassRef->m_wSchema == AFX_NO_SCHEMA)
        AfxThrowArchiveException(CArchiveException::badClass, szName);
    const UINT nCurrent = pClassRef->m_wSchema & kSchemaMask;
    const bool bVersionable = (pClassRef->m_wSchema & VERSIONABLE_SCHEMA) != 0;
    if (bVersionable ? wSchema > nCurrent : wSchema != nCurrent)
        AfxThrowArchiveException(CArchiveException::badSchema, szName);
    CLoadedEntry entry;
    entry.m_pClass = pClassRef;
    entry.m_nSchema = wSchema;
    m_aLoaded.push_back(entry);
    rSchema = wSchema;
    return pClassRef;
}

const CArchive::CLoadedEntry& CArchive::LoadedEntry(DWORD nIndex) const
{
    if (nIndex == 0 || nIndex >= m_aLoaded.size())
        ThrowArchiveError(CArchiveException::badIndex);
    return m_aLoaded[nIndex];
}

// The object takes its index before its Serialize runs, as in the writer,
// so that records inside it count on from there. A failed Serialize deletes
// the object: the caller never sees one half read.
CObject* CArchive::ReadNewObject(CRuntimeClass* pClassRef, UINT nSchema)
{
    std::unique_ptr<CObject> pOb(pClassRef->CreateObject());
    if (pOb == nullptr)
        AfxThrowMemoryException();
    const size_t nIndex = m_aLoaded.size();
    CLoadedEntry entry;
    entry.m_pObject = pOb.get();
    m_aLoaded.push_back(entry);
    const UINT nSchemaSave = m_nObjectSchema;
    m_nObjectSchema = nSchema;
    try {
        pOb->Serialize(*this);
    } catch (...) {
        m_aLoaded[nIndex].m_pObject = nullptr;
        throw;
    }
    m_nObjectSchema = nSchemaSave;
    return pOb.release();
}

void CArchive::ThrowArchiveError(int cause) const
{
    AfxThrowArchiveException(cause, m_pFile != nullptr ? static_cast<LPCTSTR>(m_pFile->GetFilePath()) : "");
}

CArchive& operator<<(CArchive& ar, const CString& string)
{
    const DWORD nLength = static_cast<DWORD>(string.GetLength());
    if (nLength < kByteLengthEscape) {
        ar << static_cast<BYTE>(nLength);
    } else if (nLength < kUnicodeStringTag) {
        ar << kByteLengthEscape << static_cast<WORD>(nLength);
    } else {
        ar << kByteLengthEscape << kWordLengthEscape;
        ar << static_cast<UINT>(nLength);
    }
    ar.Write(static_cast<LPCTSTR>(string), nLength);
    return ar;
}

CArchive& operator<<(CArchive& ar, LPCTSTR lpsz)
{
    return ar << CString(lpsz);
}

// The target string changes only when the whole string was read.
CArchive& operator>>(CArchive& ar, CString& string)
{
    BYTE byLength;
    ar >> byLength;
    DWORD nLength = byLength;
    if (byLength == kByteLengthEscape) {
        WORD wLength;
        ar >> wLength;
        nLength = wLength;
        if (wLength == kUnicodeStringTag)
            AfxThrowArchiveException(CArchiveException::badIndex, ar.GetFile()->GetFilePath());
        if (wLength == kWordLengthEscape) {
            UINT nLongLength;
            ar >> nLongLength;
            nLength = nLongLength;
        }
    }
    std::string sText;
    while (sText.size() < nLength) {
        const UINT nChunk = static_cast<UINT>(std::min<size_t>(nLength - sText.size(), kStringReadChunk));
        const size_t nOld = sText.size();
        sText.resize(nOld + nChunk);
        if (ar.Read(&sText[nOld], nChunk) != nChunk)
            AfxThrowArchiveException(CArchiveException::endOfFile, ar.GetFile()->GetFilePath());
    }
    string = CString(sText);
    return ar;
}

CArchive& operator<<(CArchive& ar, const CObject* pOb)
{
    ar.WriteObject(pOb);
    return ar;
}

CArchive& operator>>(CArchive& ar, CObject*& pOb)
{
    pOb = ar.ReadObject(nullptr);
    return ar;
}

CArchive& operator>>(CArchive& ar, const CObject*& pOb)
{
    pOb = ar.ReadObject(nullptr);
    return ar;
}
