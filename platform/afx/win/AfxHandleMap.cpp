#include "AfxHandleMap.h"

namespace {

std::vector<CTempMapRegistry::Deleter>& Deleters()
{
    static std::vector<CTempMapRegistry::Deleter> deleters;
    return deleters;
}

}  // namespace

void CTempMapRegistry::Register(Deleter pfnDeleteTemps)
{
    Deleters().push_back(pfnDeleteTemps);
}

void CTempMapRegistry::DeleteAll()
{
    for (Deleter pfnDelete : Deleters())
        pfnDelete();
}

void AfxDeleteTempMaps()
{
    CTempMapRegistry::DeleteAll();
}
