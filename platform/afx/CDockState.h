#pragma once
// Classes in this file: CDockState, the layout of a frame's bars (one
// CControlBarInfo per bar and per dock bar) as GetDockState takes it and
// SetDockState puts it back; serialisable as a versioned record of our own
// (docs/formats/dock-state.md).

#include "CControlBarInfo.h"
#include "CObject.h"
#include "CPtrArray.h"

class CDockState : public CObject {
    DECLARE_SERIAL(CDockState)
public:
    static constexpr WORD kVersion = 1;

    CDockState() = default;
    CDockState(const CDockState&) = delete;
    CDockState& operator=(const CDockState&) = delete;
    ~CDockState() override;

    void Serialize(CArchive& ar) override;
    void Clear();
    int GetCount() const { return m_arrBarInfo.GetSize(); }
    CControlBarInfo* GetAt(int nIndex) const { return static_cast<CControlBarInfo*>(m_arrBarInfo.GetAt(nIndex)); }
    // Takes ownership of pInfo.
    void Add(CControlBarInfo* pInfo) { m_arrBarInfo.Add(pInfo); }

    CPtrArray m_arrBarInfo;  // CControlBarInfo*, owned
};
