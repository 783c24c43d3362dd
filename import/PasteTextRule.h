#pragma once
// Functions in this file: what the tree's Paste does with a text on the
// clipboard, told by the markers of the measurement and project texts.

#include "afx.h"

enum class EPasteTextAction {
    ImportDragDropArchive,  // the review program's text: its records wait in "~dragdrop.tmp"
    DescriptionThenRecords,
    Records,
    Description,
    Invalid,  // message "Invalid data format."
};

// bDescriptionCopied: a project's description went into the copy buffer in
// this run. Without one a description text pastes nothing of it: the empty
// buffer would blank the target's client, object, volumes and report texts.
EPasteTextAction PasteTextActionOf(const CString& sText, bool bDescriptionCopied);
