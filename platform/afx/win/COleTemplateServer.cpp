#include "COleTemplateServer.h"

#include "CDocTemplate.h"
#include "COleClassRegistration.h"

#include <cassert>

IMPLEMENT_DYNAMIC(COleTemplateServer, COleObjectFactory)

COleTemplateServer::COleTemplateServer() : COleObjectFactory(FALSE)
{
}

void COleTemplateServer::ConnectTemplate(REFCLSID clsid, CDocTemplate* pDocTemplate, BOOL bMultiInstance)
{
    assert(pDocTemplate != nullptr);
    m_clsid = clsid;
    m_pDocTemplate = pDocTemplate;
    m_bMultiInstance = bMultiInstance;
    pDocTemplate->GetDocString(m_sProgID, CDocTemplate::regFileTypeId);
}

BOOL COleTemplateServer::UpdateRegistry(OLE_APPTYPE nAppType, BOOL bRegister)
{
    assert(m_pDocTemplate != nullptr && nAppType == OAT_DISPATCH_OBJECT);
    COleClassRegistration registration;
    registration.m_clsid = m_clsid;
    registration.m_sProgID = m_sProgID;
    m_pDocTemplate->GetDocString(registration.m_sTypeName, CDocTemplate::regFileTypeName);
    if (registration.m_sTypeName.IsEmpty())
        registration.m_sTypeName = m_sProgID;
    return (bRegister ? registration.Register() : registration.Unregister()) == ERROR_SUCCESS;
}

BOOL COleTemplateServer::UpdateRegistry(BOOL bRegister)
{
    return UpdateRegistry(OAT_DISPATCH_OBJECT, bRegister);
}

BOOL COleTemplateServer::Unregister()
{
    return UpdateRegistry(OAT_DISPATCH_OBJECT, FALSE);
}

// The program's documents answer no automation interface of their own, so
// a client asking COM for one gets none, and no document is made for it.
HRESULT COleTemplateServer::OnCreateObject(REFIID, void**)
{
    return E_NOINTERFACE;
}
