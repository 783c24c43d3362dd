#include "CA_Obj.h"

#include "CArchive.h"

void CA_Obj::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_nObject << m_nPeriods;
    else
        ar >> m_nObject >> m_nPeriods;
}
