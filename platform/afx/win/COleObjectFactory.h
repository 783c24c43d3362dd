#pragma once
// Classes in this file: COleObjectFactory, a class object of the framework.
// Every one of them joins the framework's list, so that the program can
// register them all with COM at start (RegisterAll), write their registry
// entries (UpdateRegistryAll) and revoke them at the end (RevokeAll, which
// AfxOleTerm runs).

#include "COleClassFactory.h"

class COleObjectFactory : public COleClassFactory {
    DECLARE_DYNAMIC(COleObjectFactory)
public:
    // lpszProgID: the name clients create the class by; may be null.
    COleObjectFactory(REFCLSID clsid, BOOL bMultiInstance, LPCTSTR lpszProgID);
    ~COleObjectFactory() override;

// Attributes
    BOOL IsMultiInstance() const { return m_bMultiInstance; }
    LPCTSTR GetProgID() const { return m_sProgID; }

// Operations: a local server, one object per process unless multi-instance
    BOOL Register();
    virtual BOOL UpdateRegistry(BOOL bRegister = TRUE);

    static BOOL RegisterAll();
    static void RevokeAll();
    static BOOL UpdateRegistryAll(BOOL bRegister = TRUE);

protected:
    COleObjectFactory(BOOL bMultiInstance);  // the class id comes later (ConnectTemplate)

    BOOL m_bMultiInstance;
    CString m_sProgID;

private:
    void JoinList();
};
