#pragma once
// Classes in this file: CTestApplicationTest, the fixture of the tests that
// need the running test application: it makes the application and its main
// frame, records message boxes, and takes everything down again.

#include "CTestApp.h"
#include "CTestDoc.h"
#include "CTestMainFrame.h"
#include "CTestView.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <memory>

class CTestApplicationTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    CTestApp& App() { return *m_pApp; }
    CTestMainFrame& MainFrame() { return *App().GetMainFrame(); }

    // A document of the registered template, with its hidden view.
    CTestDoc* NewDocument();
    // A view of pDoc from the unregistered template, in a child frame.
    CTestView* ShowTableView(CTestDoc* pDoc, BOOL bVisible = TRUE);
    static CTestView* FirstView(CDocument* pDoc);
    static int ViewCount(CDocument* pDoc);

    CMessageBoxRecorder m_boxes;

private:
    std::unique_ptr<CTestApp> m_pApp;
};
