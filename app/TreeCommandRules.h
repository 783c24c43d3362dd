#pragma once
// Functions in this file: when the tree bar offers Rename, Import (with
// Read in Kel620), Swap and Export (with Export All) for the selected item.

#include "import/TreeClipboardHost.h"

// A project node, or a measurement leaf other than a table's summary leaf
// (which a multiplot project may rename too). Label editing follows it.
bool IsRenameOffered(const CTreeItemView& item, bool bFirstInList);
// A project node, folder or group of a project that is not a multiplot
// project, other than the results folder and the facility tables.
bool IsImportOffered(const CTreeItemView& item, int nProjectCounter);
// Any item of a project that has both room tables to swap.
bool IsSwapOffered(const CTreeItemView& item, int nProjectCounter);
// Any item but the workspace's of a project that is not a multiplot project.
bool IsExportOffered(const CTreeItemView& item, int nProjectCounter);
