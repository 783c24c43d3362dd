#pragma once
// Functions in this file: the set-up every view's chart starts with: no
// toolbar, mouse or property pages, custom drawing on, a line graph in
// the program's style, missing points (-999) left out, and its font sizes.

class CGraphProps;

void SetupCommonGraph(CGraphProps& graph);
