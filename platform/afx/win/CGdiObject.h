#pragma once
// Classes in this file: CGdiObject, the owner of one GDI object handle.
// An owner deletes its handle; it can be moved but not copied, so no handle
// is deleted twice. Attach/Detach move a handle in and out. Wrappers handed
// out by FromHandle (the object a DC had selected, say) never own theirs.

#include "afx.h"

class CGdiObject : public CObject {
    DECLARE_DYNCREATE(CGdiObject)
public:
    CGdiObject() = default;
    ~CGdiObject() override;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    CGdiObject(CGdiObject&& other) noexcept;
    CGdiObject& operator=(CGdiObject&& other) noexcept;

    HGDIOBJ m_hObject = nullptr;

// Attributes
    operator HGDIOBJ() const { return m_hObject; }
    HGDIOBJ GetSafeHandle() const;
    int GetObject(int nCount, LPVOID lpObject) const;
    UINT GetObjectType() const;

// Operations
    static CGdiObject* FromHandle(HGDIOBJ hObject);
    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    BOOL CreateStockObject(int nIndex);
    BOOL UnrealizeObject();

    // For the handle map's temporary wrappers only.
    void SetTempHandle(HGDIOBJ hObject) { m_hObject = hObject; }
    void ReleaseTempHandle() { m_hObject = nullptr; }
};
