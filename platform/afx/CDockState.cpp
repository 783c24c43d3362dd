#include "CDockState.h"

#include "CArchive.h"
#include "CArchiveException.h"
#include "CFile.h"

#include <memory>

IMPLEMENT_SERIAL(CDockState, CObject, 1)

CDockState::~CDockState()
{
    Clear();
}

void CDockState::Clear()
{
    for (int i = 0; i < m_arrBarInfo.GetSize(); ++i)
        delete GetAt(i);
    m_arrBarInfo.RemoveAll();
}

// WORD version, count, then each bar's record. Loading replaces the state
// only when the whole record was read; a count of more records than the
// archive could hold fails before any is made.
void CDockState::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << kVersion;
        ar.WriteCount(static_cast<DWORD>(GetCount()));
        for (int i = 0; i < GetCount(); ++i)
            GetAt(i)->Serialize(ar);
        return;
    }
    WORD wVersion = 0;
    ar >> wVersion;
    if (wVersion != kVersion)
        AfxThrowArchiveException(CArchiveException::badSchema, "CDockState");
    const DWORD nCount = ar.ReadCount();
    if (nCount > ar.GetFile()->GetLength() / CControlBarInfo::kMinRecordBytes)
        AfxThrowArchiveException(CArchiveException::endOfFile);
    CDockState stateRead;
    for (DWORD i = 0; i < nCount; ++i) {
        auto pInfo = std::make_unique<CControlBarInfo>();
        pInfo->Serialize(ar);
        stateRead.Add(pInfo.release());
    }
    Clear();
    m_arrBarInfo.Copy(stateRead.m_arrBarInfo);
    stateRead.m_arrBarInfo.RemoveAll();
}
