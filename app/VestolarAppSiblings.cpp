// CVestolarApp: the commands that start the maker's sibling programs. Kelport
// embeds the data explorer's document in a window of the program and starts
// the explorer's transfer module; Kelcheck runs the analyser's set-up and
// start sequence.

#include "VestolarApp.h"

#include "ActiveDocServerDoc.h"
#include "ComErrorBox.h"
#include "KscApplication.h"

#include "instrument/RiroSetup.h"
#include "res/resource.h"

#include "AfxOleText.h"

namespace {

const char kActiveDocServerName[] = "ActiveDocServer";
const wchar_t kExplorerDocumentProgID[] = L"Kelscope.Document";
const char kInstalledExplorerClassId[] = "{4B454C56-4152-4F4E-0001-53434F504531}";
const char kExplorerApplicationName[] = "Kelscope.KscApplication";
const wchar_t kTransferModule[] = L"kelport";
const wchar_t kModuleArgument[] = L"x";
const DWORD kApplicationContext = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER;

// A text beginning with "{" names the class itself, any other its ProgID.
HRESULT ClassIdOf(LPCTSTR lpszName, CLSID& rClsid)
{
    const std::wstring sName = AfxWideOf(lpszName);
    return lpszName[0] == '{' ? ::CLSIDFromString(sName.c_str(), &rClsid) : ::CLSIDFromProgID(sName.c_str(), &rClsid);
}

// The error object of a failed call, when the object says it set one.
IErrorInfo* ErrorInfoOf(IUnknown* pObject, REFIID riid)
{
    ISupportErrorInfo* pSupport = nullptr;
    IErrorInfo* pErrorInfo = nullptr;
    if (SUCCEEDED(pObject->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(&pSupport)))) {
        if (pSupport->InterfaceSupportsErrorInfo(riid) == S_OK && ::GetErrorInfo(0, &pErrorInfo) != S_OK)
            pErrorInfo = nullptr;
        pSupport->Release();
    }
    return pErrorInfo;
}

} // namespace

void CVestolarApp::OnKelport()
{
    CActiveDocServerDoc* pDoc = NewActiveDocServerDoc();
    if (pDoc == nullptr)
        return;
    CLSID clsid = CLSID_NULL;
    const bool bInstalledExplorer = SUCCEEDED(::CLSIDFromProgID(kExplorerDocumentProgID, &clsid)) &&
                                    AfxGuidText(clsid) == kInstalledExplorerClassId;
    if (!pDoc->CreateItemFromClass(clsid))
        return;
    StartTransferModule(bInstalledExplorer);
}

void CVestolarApp::OnKelcheck()
{
    CRiroSetup link;
    link.m_sSection = "Riro";
    link.RunSetupAndStart();
}

CActiveDocServerDoc* CVestolarApp::NewActiveDocServerDoc()
{
    for (POSITION pos = GetFirstDocTemplatePosition(); pos != nullptr;) {
        CDocTemplate* pTemplate = GetNextDocTemplate(pos);
        CString sName;
        if (pTemplate->GetDocString(sName, CDocTemplate::docName) && sName == kActiveDocServerName)
            return static_cast<CActiveDocServerDoc*>(pTemplate->OpenDocumentFile(nullptr));
    }
    return nullptr;
}

// The installed explorer starts the module through the sixth method of its
// application, older explorers through the fifth. The embedded document
// stays open whatever happens here.
void CVestolarApp::StartTransferModule(bool bInstalledExplorer)
{
    CLSID clsid = CLSID_NULL;
    IKscApplication* pApplication = nullptr;
    HRESULT hr = ClassIdOf(kExplorerApplicationName, clsid);
    if (SUCCEEDED(hr))
        hr = ::CoCreateInstance(clsid, nullptr, kApplicationContext, IID_IKscApplication,
                                reinterpret_cast<void**>(&pApplication));
    if (FAILED(hr)) {
        CString sFormat;
        sFormat.LoadString(bInstalledExplorer ? IDS_KELSCOPE_CREATE_FAILED : IDS_KELPORT_CREATE_FAILED);
        CString sMessage;
        sMessage.Format(sFormat, static_cast<long>(hr), static_cast<LPCTSTR>(AfxGuidText(IID_IKscApplication)));
        ShowSiblingFailure(sMessage);
        return;
    }
    BSTR bstrArgument = ::SysAllocString(kModuleArgument);
    BSTR bstrModule = ::SysAllocString(kTransferModule);
    hr = bInstalledExplorer ? pApplication->StartTransferModule(bstrArgument, bstrModule)
                            : pApplication->StartModule(bstrArgument, bstrModule);
    ::SysFreeString(bstrArgument);
    ::SysFreeString(bstrModule);
    if (FAILED(hr)) {
        IErrorInfo* pErrorInfo = ErrorInfoOf(pApplication, IID_IKscApplication);
        ShowComError(hr, pErrorInfo);
        if (pErrorInfo != nullptr)
            pErrorInfo->Release();
    }
    pApplication->Release();
}
