#pragma once
// Classes in this file: CTKPartSkinSlot<TPart, TClassic>, how a toolkit
// window finds the part skin it draws with: the current skin's part of its
// kind, asked for afresh at every use so that a change of skin shows at the
// next paint; without a skinned application or a current skin, a classic
// part skin of the window's own, made on first use and kept with the window.

#include "CTKSkinnedApp.h"

#include <memory>

template <class TPart, class TClassic>
class CTKPartSkinSlot {
public:
    using Getter = TPart* (CTKSkin::*)() const;

    explicit CTKPartSkinSlot(Getter pfnGetPart) : m_pfnGetPart(pfnGetPart) {}
    CTKPartSkinSlot(const CTKPartSkinSlot&) = delete;
    CTKPartSkinSlot& operator=(const CTKPartSkinSlot&) = delete;

    // A skin without a part of this kind draws classic too.
    TPart* Get()
    {
        CTKSkinnedApp* pApp = CTKSkinnedApp::GetSkinnedApp();
        CTKSkin* pSkin = pApp != nullptr ? pApp->GetCurrentSkin() : nullptr;
        TPart* pPart = pSkin != nullptr ? (pSkin->*m_pfnGetPart)() : nullptr;
        if (pPart != nullptr)
            return pPart;
        if (!m_pClassic)
            m_pClassic = std::make_unique<TClassic>();
        return m_pClassic.get();
    }

private:
    Getter m_pfnGetPart;
    std::unique_ptr<TClassic> m_pClassic;
};
