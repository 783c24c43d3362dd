#pragma once
// Classes in this file: COleInPlaceFrame, the container's frame window as an
// object active in place sees it. The frame offers no border space for the
// object's tools, keeps the object's menu out of its own and remembers the
// active object. The owner keeps it; COM's references only count.

#include "COleOwnedInterface.h"

class COleInPlaceFrame : public COleOwnedInterface<IOleInPlaceFrame, &IID_IOleInPlaceFrame> {
public:
    COleInPlaceFrame() = default;
    ~COleInPlaceFrame();
    COleInPlaceFrame(const COleInPlaceFrame&) = delete;
    COleInPlaceFrame& operator=(const COleInPlaceFrame&) = delete;

    void SetFrameWindow(HWND hWnd) { m_hWnd = hWnd; }
    IOleInPlaceActiveObject* GetActiveObject() const { return m_pActiveObject; }

// IOleWindow
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* phwnd) override;
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL fEnterMode) override;
// IOleInPlaceUIWindow
    HRESULT STDMETHODCALLTYPE GetBorder(LPRECT lprectBorder) override;
    HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS pborderwidths) override;
    HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS pborderwidths) override;
    HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject* pActiveObject, LPCOLESTR pszObjName) override;
// IOleInPlaceFrame
    HRESULT STDMETHODCALLTYPE InsertMenus(HMENU hmenuShared, LPOLEMENUGROUPWIDTHS lpMenuWidths) override;
    HRESULT STDMETHODCALLTYPE SetMenu(HMENU hmenuShared, HOLEMENU holemenu, HWND hwndActiveObject) override;
    HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU hmenuShared) override;
    HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR pszStatusText) override;
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL fEnable) override;
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG lpmsg, WORD wID) override;

private:
    HWND m_hWnd = nullptr;
    IOleInPlaceActiveObject* m_pActiveObject = nullptr;
};
