#pragma once
// Classes in this file: CHandleMap, the map from a Win32 handle to the C++
// object of the framework that wraps it, and CTempHandleWrapper.
//
// A permanent entry is an object that owns or subclasses its handle. A
// temporary entry is a wrapper made by FromHandle for a handle nobody wraps:
// it never owns the handle (its destructor lets go first) and lives until the
// application is idle (AfxDeleteTempMaps), so a pointer from FromHandle is
// good for the rest of the current message.

#include "AfxTypes.h"

#include <memory>
#include <unordered_map>
#include <vector>

// Deletes every temporary wrapper of every handle map.
void AfxDeleteTempMaps();

class CTempMapRegistry {
public:
    using Deleter = void (*)();
    static void Register(Deleter pfnDeleteTemps);
    static void DeleteAll();
};

// A wrapper that lets go of its handle before the wrapped class's destructor
// could free it. TObject::ReleaseTempHandle clears the handle member.
template <class TObject>
class CTempHandleWrapper : public TObject {
public:
    ~CTempHandleWrapper() override { this->ReleaseTempHandle(); }
};

template <class THandle, class TObject>
class CHandleMap {
public:
    static TObject* LookupPermanent(THandle h)
    {
        auto& map = Permanent();
        auto it = map.find(h);
        return it == map.end() ? nullptr : it->second;
    }

    static void SetPermanent(THandle h, TObject* pObject) { Permanent()[h] = pObject; }
    static void RemovePermanent(THandle h) { Permanent().erase(h); }

    // The permanent object of h, else a temporary wrapper (null for a null handle).
    static TObject* FromHandle(THandle h)
    {
        if (h == nullptr)
            return nullptr;
        if (TObject* pObject = LookupPermanent(h))
            return pObject;
        auto& temps = Temporary();
        auto it = temps.find(h);
        if (it != temps.end())
            return it->second.get();
        auto pTemp = std::make_unique<CTempHandleWrapper<TObject>>();
        pTemp->SetTempHandle(h);
        TObject* pObject = pTemp.get();
        temps.emplace(h, std::move(pTemp));
        return pObject;
    }

    static void DeleteTemps() { Temporary().clear(); }

private:
    static std::unordered_map<THandle, TObject*>& Permanent()
    {
        static std::unordered_map<THandle, TObject*> map;
        return map;
    }
    static std::unordered_map<THandle, std::unique_ptr<TObject>>& Temporary()
    {
        static std::unordered_map<THandle, std::unique_ptr<TObject>> map;
        static const bool bRegistered = (CTempMapRegistry::Register(&DeleteTemps), true);
        (void)bRegistered;
        return map;
    }
};
