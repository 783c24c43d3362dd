#pragma once
// Classes in this file: CComClassFactory, the class object of one automation
// class of the module: it makes objects through the class's creator.

#include "CComModule.h"

class CComClassFactory : public COleClassFactory {
public:
    explicit CComClassFactory(const CComClassEntry& entry);

protected:
    HRESULT OnCreateObject(REFIID riid, void** ppvObject) override;

private:
    HRESULT (*m_pfnCreateInstance)(REFIID riid, void** ppvObject);
};
