#pragma once
// Classes in this file: CIpcVestolar, the program's automation class:
// another program pushes a measurement archive into the active project and
// asks for the main window. It keeps no state of its own.

#include "CComCoClass.h"
#include "IDispatchImpl.h"
#include "VestolarLib.h"

class CIpcVestolar : public IDispatchImpl<IIpcVestolar, &IID_IIpcVestolar>,
                     public CComCoClass<CIpcVestolar, &CLSID_IpcVestolar> {
public:
    HRESULT STDMETHODCALLTYPE ImportMeasurementFile(BSTR path) override;
    HRESULT STDMETHODCALLTYPE GetMainWindow(LONG* phWnd) override;
};
