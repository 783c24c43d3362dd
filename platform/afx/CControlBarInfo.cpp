#include "CControlBarInfo.h"

#include "AfxArchiveGeometry.h"
#include "CArchive.h"
#include "CArchiveException.h"
#include "CFile.h"

DWORD CControlBarInfo::PackFlags() const
{
    return (m_bVisible ? kFlagVisible : 0) | (m_bFloating ? kFlagFloating : 0) | (m_bHorz ? kFlagHorz : 0) |
           (m_bDockBar ? kFlagDockBar : 0) | (m_bDocking ? kFlagDocking : 0);
}

void CControlBarInfo::UnpackFlags(DWORD dwFlags)
{
    m_bVisible = (dwFlags & kFlagVisible) != 0;
    m_bFloating = (dwFlags & kFlagFloating) != 0;
    m_bHorz = (dwFlags & kFlagHorz) != 0;
    m_bDockBar = (dwFlags & kFlagDockBar) != 0;
    m_bDocking = (dwFlags & kFlagDocking) != 0;
}

// A dock bar's record ends with its ids; a bar's with its last places.
void CControlBarInfo::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << static_cast<DWORD>(m_nBarID) << PackFlags();
    } else {
        DWORD dwID = 0;
        DWORD dwFlags = 0;
        ar >> dwID >> dwFlags;
        m_nBarID = dwID;
        UnpackFlags(dwFlags);
    }
    AfxArchivePoint(ar, m_pointPos);
    if (ar.IsStoring())
        ar << m_nMRUWidth;
    else
        ar >> m_nMRUWidth;
    if (m_bDockBar)
        SerializeBarIDs(ar);
    else
        SerializeMRUPlaces(ar);
}

// A count of more ids than the whole archive could hold is damaged: refused
// before anything is allocated for it.
void CControlBarInfo::SerializeBarIDs(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD>(m_arrBarID.GetSize()));
        for (int i = 0; i < m_arrBarID.GetSize(); ++i)
            ar << m_arrBarID[i];
        return;
    }
    const DWORD nCount = ar.ReadCount();
    if (nCount > ar.GetFile()->GetLength() / sizeof(DWORD))
        AfxThrowArchiveException(CArchiveException::endOfFile);
    CDWordArray arrRead;
    arrRead.SetSize(static_cast<int>(nCount));
    for (DWORD i = 0; i < nCount; ++i)
        ar >> arrRead[static_cast<int>(i)];
    m_arrBarID.Copy(arrRead);
}

void CControlBarInfo::SerializeMRUPlaces(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << static_cast<DWORD>(m_uMRUDockID);
    } else {
        DWORD dwDockID = 0;
        ar >> dwDockID;
        m_uMRUDockID = dwDockID;
    }
    AfxArchiveRect(ar, m_rectMRUDockPos);
    if (ar.IsStoring())
        ar << m_dwMRUFloatStyle;
    else
        ar >> m_dwMRUFloatStyle;
    AfxArchivePoint(ar, m_ptMRUFloatPos);
}
