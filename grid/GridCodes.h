#pragma once
// The codes every part of the grid shares: operation results, the sections of
// the control, and the bits of a cell's property word, alignment and borders.

#include "AfxTypes.h"

// Result of the grid's operations. Operations that add to a registry return
// the new index instead, or kGridNoIndex.
enum GridStatus {
    kGridDone = 0,
    kGridOutOfRange = 1,   // also: nothing to do
    kGridRefused = 2,      // a notification or the data source said no
    kGridFailed = 3,       // a further failure the operation names
};
const int kGridNoIndex = -1;

// The part of the control a notification or a menu refers to.
enum GridSection {
    kSectionCellArea = 1,
    kSectionTopHeading = 2,
    kSectionSideHeading = 3,
    kSectionCornerButton = 4,
    kSectionHScrollBar = 5,
    kSectionVScrollBar = 6,
    kSectionSheetTabs = 7,
};

// CellPropertyFlags: which properties a cell carries.
enum CellPropertyFlags : DWORD {
    kPropText = 0x1,               // text and number
    kPropMask = 0x2,
    kPropLabel = 0x4,
    kPropDataType = 0x8,
    kPropParam = 0x10,
    kPropCellType = 0x20,
    kPropCellTypeEx = 0x40,
    kPropTextColor = 0x80,
    kPropBackColor = 0x100,
    kPropHighlightTextColor = 0x200,
    kPropHighlightBackColor = 0x400,
    kPropBorderStyle = 0x800,
    kPropBorderPen = 0x1000,
    kPropFont = 0x2000,
    kPropBitmap = 0x4000,
    kPropAlignment = 0x8000,
    kPropExtraMemory = 0x10000,
    kPropJoin = 0x20000,
    kPropReadOnly = 0x1000000,
    kPropNumberDecimals = 0x2000000,
    kPropThemeStyle = 0x8000000,
};

// CellAlignment: horizontal bits 1/2/4, vertical 16/32; neither vertical bit
// means top.
enum CellAlignment : short {
    kAlignLeft = 1,
    kAlignRight = 2,
    kAlignCenter = 4,
    kAlignBottom = 16,
    kAlignVCenter = 32,
};

// CellBorderStyle: thin, thick (double) and triple lines per side, and the
// two 3D frames.
enum CellBorderStyle : short {
    kBorderLeft = 1, kBorderTop = 2, kBorderRight = 4, kBorderBottom = 8,
    kBorderThickLeft = 16, kBorderThickTop = 32, kBorderThickRight = 64, kBorderThickBottom = 128,
    kBorderTripleLeft = 0x100, kBorderTripleTop = 0x200, kBorderTripleRight = 0x400,
    kBorderTripleBottom = 0x800,
    kBorderSunken = 0x1000,
    kBorderRaised = 0x2000,
};

// Data type codes of a cell.
enum CellDataType : short {
    kDataString = 1,
    kDataNumber = 2,      // the number is the value, the text is made from it
    kDataNumericCode = 3, // a number kept as text
    kDataDateTime = 4,    // number holds an OLE date
    kDataCurrency = 5,    // number holds whole currency units
};

// Theme style codes handed to the theme layer with each drawing request.
enum CellThemeStyle {
    kThemeOrdinaryCell = 16,
    kThemeTopHeadingRow = 32,
    kThemeSideHeadingCol = 64,
    kThemeHeadingDefault = 128,
};

// The keys the cell area moves the current cell with.
#ifndef VK_LEFT
#define VK_PRIOR 0x21
#define VK_NEXT 0x22
#define VK_END 0x23
#define VK_HOME 0x24
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#endif
