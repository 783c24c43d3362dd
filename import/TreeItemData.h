#pragma once
// Functions in this file: the item data of the measurement tree and how it
// is read. Each item carries one pointer-sized value: a small code for the
// workspace item, folders, nodes and table groups, the document for a project
// node, and the list position of its record for a measurement leaf. Codes are
// 510 or less; heap addresses are larger.

#include "afx.h"

// Codes of the items that are not projects or measurements
constexpr DWORD_PTR kItemWorkspace = 10;
constexpr DWORD_PTR kItemResults = 101;
constexpr DWORD_PTR kItemTestReport = 102;
constexpr DWORD_PTR kItemResultTable = 103;
constexpr DWORD_PTR kItemMeasurementData = 121;
constexpr DWORD_PTR kLastItemCode = 510;

bool IsTableGroupCode(DWORD_PTR dwData);  // 122 to 132
// The results folder, the test report or the result table.
bool IsResultItemCode(DWORD_PTR dwData);

// Images of the tree's image list
constexpr int kImageWorkspace = 0;  // also a project that is not the active one
constexpr int kImageProject = 1;    // also the result and correction table nodes
constexpr int kImageSettings = 2;
constexpr int kImageReport = 4;
constexpr int kImageFolderClosed = 5;
constexpr int kImageFolderOpen = 6;
constexpr int kImageLevelMeasurement = 7;
constexpr int kImageActiveProject = 8;
constexpr int kImageReverberationMeasurement = 16;
constexpr int kImageBackgroundMeasurement = 19;

bool IsItemCode(DWORD_PTR dwData);
bool IsProjectNode(bool bHasChildren, DWORD_PTR dwData);
bool IsMeasurementLeaf(bool bHasChildren, DWORD_PTR dwData);

// The image of a measurement leaf in the group of table nTableId.
int MeasurementImageOf(int nTableId);
