#pragma once
// Classes in this file: COleTemplateServer, the document server of the
// program's main document template: the class object under the template's
// document type ("Vestolar.Document"), and its registry entries as an
// automation (dispatch) object.

#include "COleObjectFactory.h"

class CDocTemplate;

// The kinds of OLE application a template server registers as.
enum OLE_APPTYPE {
    OAT_DISPATCH_OBJECT = 3,  // creatable by automation clients, no embedding
};

class COleTemplateServer : public COleObjectFactory {
    DECLARE_DYNAMIC(COleTemplateServer)
public:
    COleTemplateServer();

// Operations
    void ConnectTemplate(REFCLSID clsid, CDocTemplate* pDocTemplate, BOOL bMultiInstance);
    // The class key (name: the template's registry name), its ProgID (the
    // template's registry id) and the local server; or their removal.
    BOOL UpdateRegistry(OLE_APPTYPE nAppType, BOOL bRegister = TRUE);
    BOOL UpdateRegistry(BOOL bRegister = TRUE) override;
    BOOL Unregister();

    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

protected:
    HRESULT OnCreateObject(REFIID riid, void** ppvObject) override;

private:
    CDocTemplate* m_pDocTemplate = nullptr;
};
