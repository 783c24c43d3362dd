#pragma once
// Classes in this file: CCreateContext, what a frame needs to make its view:
// the view's class, the document it shows and the template behind both.

#include "afx.h"

class CDocTemplate;
class CDocument;
class CFrameWnd;
class CView;

struct CCreateContext {
    CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CDocTemplate* m_pNewDocTemplate = nullptr;
    CView* m_pLastView = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};
