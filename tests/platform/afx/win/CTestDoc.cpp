#include "CTestDoc.h"

#include "TestEvents.h"
#include "TestResources.h"

IMPLEMENT_DYNCREATE(CTestDoc, COleDocument)

BEGIN_MESSAGE_MAP(CTestDoc, COleDocument)
    ON_COMMAND_EX(ID_TEST_ROUTE, OnRoute)
END_MESSAGE_MAP()

int CTestDoc::s_nInstances = 0;

CTestDoc::CTestDoc()
{
    EnableAutomation();
    ++s_nInstances;
}

CTestDoc::~CTestDoc()
{
    --s_nInstances;
}

void CTestDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_nValue;
        if (m_bFailWhileStoring)
            AfxThrowArchiveException(CArchiveException::genericException);
        ar << m_sText;
    } else {
        ar >> m_nValue;
        ar >> m_sText;
    }
}

void CTestDoc::DeleteContents()
{
    m_nValue = 0;
    m_sText.Empty();
}

BOOL CTestDoc::OnRoute(UINT)
{
    TestEvents().push_back("document");
    return FALSE;
}
