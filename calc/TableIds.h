#pragma once
// The measurement tables the engine reads, by table id. Tables 128 and 129 are
// the second source- and receiving-room tables: the airborne part of a
// combined impact and airborne project, or the corner positions.

constexpr int kTableSource = 122;   // with impact: tapping-machine noise
constexpr int kTableReceiving = 123;
constexpr int kTableReverb = 124;
constexpr int kTableBackground = 125;
constexpr int kTableRefReverb = 126;
constexpr int kTableCornerSource = 128;
constexpr int kTableCornerReceiving = 129;
constexpr int kTableAirborneSource = kTableCornerSource;
constexpr int kTableAirborneReceiving = kTableCornerReceiving;
constexpr int kTableWithFacility = 130;   // laboratory: the facility's flanking limit
constexpr int kTableWithCovering = 130;   // impact on the floor with its covering
constexpr int kTableWithoutCovering = 131;
constexpr int kTableCornerBackground = 132;
