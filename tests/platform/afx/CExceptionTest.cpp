// The framework's plain exceptions: each throw function throws its own
// class, which is a CException with a text of its own.
#include "platform/afx/afx.h"

#include <gtest/gtest.h>

TEST(CException, ThrowFunctionsThrowTheirClassWithItsText)
{
    const struct {
        void (*pfnThrow)();
        CRuntimeClass* pClass;
        const char* pszText;
    } cases[] = {
        {AfxThrowResourceException, RUNTIME_CLASS(CResourceException), "A required resource was not available."},
        {AfxThrowNotSupportedException, RUNTIME_CLASS(CNotSupportedException), "This operation is not supported."},
        {AfxThrowMemoryException, RUNTIME_CLASS(CMemoryException), nullptr},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.pClass->m_lpszClassName);
        try {
            row.pfnThrow();
            ADD_FAILURE() << "nothing thrown";
        } catch (const CException& e) {
            EXPECT_TRUE(e.IsKindOf(row.pClass));
            if (row.pszText != nullptr)
                EXPECT_STREQ(e.GetErrorText(), row.pszText);
            EXPECT_FALSE(e.GetErrorText().IsEmpty());
        }
    }
}
