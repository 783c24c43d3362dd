#pragma once
// The fuzz targets of the files the import reads by their extension: the
// bytes are written as a file of each extension given and imported into the
// selected project of a scripted tree, as a file dropped on the tree bar.

#include "FuzzInput.h"

#include <initializer_list>

void ImportAs(const CFuzzInput& input, std::initializer_list<const char*> aExtensions);
