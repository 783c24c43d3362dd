#pragma once
// Classes in this file: CTKImageInfo, the toolbar image a bitmap menu shows
// beside a command: where it lies in an image list, whether it stands for the
// check mark, and the image shown while the item is selected.

#include "afxwin.h"

struct CTKImageInfo {
    CImageList* pImageList = nullptr;
    int nImage = -1;
    // Such an image is the item's check mark: drawn only while it is checked.
    BOOL bCheckMark = FALSE;
    int nSelectedImage = -1;  // -1: the normal image also while selected
};
