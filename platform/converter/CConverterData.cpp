#include "CConverterData.h"

const char* CConverterData::KindName(Kind kind)
{
    switch (kind)
    {
    case kBuildingAcoustics:
        return "BuildingAcoustics";
    case kIntensity:
        return "Intensity";
    default:
        return "General";
    }
}
