#pragma once
// The rows of the method catalogue, one table per run of leaves below a node,
// in the order the leaves enter the tree.

#include "newproject/MethodRow.h"

// Field: ISO (façade methods apart), ÖNORM, and the national families.
extern const CRowTable kIsoFieldAirborne;
extern const CRowTable kIsoFieldImpact;
extern const CRowTable kOenFieldAirborne;
extern const CRowTable kOenFieldImpact;
extern const CRowTable kSiaAirborne;
extern const CRowTable kSiaImpact;
extern const CRowTable kBsAirborne;
extern const CRowTable kBsImpact;
extern const CRowTable kDinAirborne;
extern const CRowTable kAstmAirborne;
extern const CRowTable kAstmImpact;
extern const CRowTable kSsAirborne;
extern const CRowTable kSsImpact;

// Laboratory.
extern const CRowTable kLabIsoAirborne;
extern const CRowTable kLabIsoImpact;
extern const CRowTable kLabIsoLossFactor;
extern const CRowTable kLabAstmAirborne;
extern const CRowTable kLabAstmImpact;
extern const CRowTable kLabNfImpact;

// Advanced, multiplot, impact with airborne noise, reverberation.
extern const CRowTable kAbsorption;
extern const CRowTable kIntensity;
extern const CRowTable kMultiplot;
extern const CRowTable kImpactAirborneIso;
extern const CRowTable kImpactAirborneDin;
extern const CRowTable kReverberation;
