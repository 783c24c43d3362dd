#include "COleObjectFactory.h"

#include "COleClassRegistration.h"

#include <algorithm>
#include <vector>

IMPLEMENT_DYNAMIC(COleObjectFactory, COleClassFactory)

namespace {

std::vector<COleObjectFactory*>& FactoryList()
{
    static std::vector<COleObjectFactory*> factories;
    return factories;
}

}  // namespace

COleObjectFactory::COleObjectFactory(REFCLSID clsid, BOOL bMultiInstance, LPCTSTR lpszProgID)
    : COleClassFactory(clsid), m_bMultiInstance(bMultiInstance), m_sProgID(lpszProgID)
{
    JoinList();
}

COleObjectFactory::COleObjectFactory(BOOL bMultiInstance)
    : COleClassFactory(CLSID_NULL), m_bMultiInstance(bMultiInstance)
{
    JoinList();
}

COleObjectFactory::~COleObjectFactory()
{
    auto& factories = FactoryList();
    factories.erase(std::remove(factories.begin(), factories.end(), this), factories.end());
}

void COleObjectFactory::JoinList()
{
    FactoryList().push_back(this);
}

// A single-instance class gets a new process for each object: the class
// object serves one creation, then COM starts the program again.
BOOL COleObjectFactory::Register()
{
    return SUCCEEDED(COleClassFactory::Register(CLSCTX_LOCAL_SERVER,
                                                m_bMultiInstance ? REGCLS_MULTIPLEUSE : REGCLS_SINGLEUSE));
}

// The class key and its ProgID, named by the ProgID itself.
BOOL COleObjectFactory::UpdateRegistry(BOOL bRegister)
{
    COleClassRegistration registration;
    registration.m_clsid = m_clsid;
    registration.m_sProgID = m_sProgID;
    registration.m_sTypeName = m_sProgID;
    return (bRegister ? registration.Register() : registration.Unregister()) == ERROR_SUCCESS;
}

// Every factory with a class id; FALSE if one of them failed.
BOOL COleObjectFactory::RegisterAll()
{
    BOOL bResult = TRUE;
    for (COleObjectFactory* pFactory : FactoryList()) {
        if (!IsEqualCLSID(pFactory->m_clsid, CLSID_NULL) && !pFactory->Register())
            bResult = FALSE;
    }
    return bResult;
}

void COleObjectFactory::RevokeAll()
{
    for (COleObjectFactory* pFactory : FactoryList())
        pFactory->Revoke();
}

BOOL COleObjectFactory::UpdateRegistryAll(BOOL bRegister)
{
    BOOL bResult = TRUE;
    for (COleObjectFactory* pFactory : FactoryList()) {
        if (!IsEqualCLSID(pFactory->m_clsid, CLSID_NULL) && !pFactory->UpdateRegistry(bRegister))
            bResult = FALSE;
    }
    return bResult;
}
