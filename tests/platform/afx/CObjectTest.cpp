// CObject and CRuntimeClass: run-time class chains, dynamic creation and the
// registry of serial classes that archives look names up in.
#include "platform/afx/afx.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class CShape : public CObject {
    DECLARE_DYNAMIC(CShape)
};
IMPLEMENT_DYNAMIC(CShape, CObject)

class CCircle : public CShape {
    DECLARE_DYNCREATE(CCircle)
};
IMPLEMENT_DYNCREATE(CCircle, CShape)

class CLayer : public CObject {
    DECLARE_SERIAL(CLayer)
public:
    int m_nDepth = 7;
};
IMPLEMENT_SERIAL(CLayer, CObject, VERSIONABLE_SCHEMA | 3)

}

TEST(CRuntimeClass, CreatesObjectsOnlyForCreatableClasses)
{
    EXPECT_EQ(RUNTIME_CLASS(CShape)->CreateObject(), nullptr);
    EXPECT_EQ(RUNTIME_CLASS(CObject)->CreateObject(), nullptr);

    std::unique_ptr<CObject> pCircle(RUNTIME_CLASS(CCircle)->CreateObject());
    ASSERT_NE(pCircle, nullptr);
    EXPECT_EQ(pCircle->GetRuntimeClass(), RUNTIME_CLASS(CCircle));

    std::unique_ptr<CObject> pLayer(RUNTIME_CLASS(CLayer)->CreateObject());
    ASSERT_NE(pLayer, nullptr);
    EXPECT_EQ(static_cast<CLayer*>(pLayer.get())->m_nDepth, 7);
}

TEST(CRuntimeClass, KnowsItsBaseChain)
{
    struct Row {
        CRuntimeClass* pClass;
        CRuntimeClass* pBase;
        bool bDerived;
    };
    const Row rows[] = {
        {RUNTIME_CLASS(CCircle), RUNTIME_CLASS(CCircle), true},
        {RUNTIME_CLASS(CCircle), RUNTIME_CLASS(CShape), true},
        {RUNTIME_CLASS(CCircle), RUNTIME_CLASS(CObject), true},
        {RUNTIME_CLASS(CShape), RUNTIME_CLASS(CCircle), false},
        {RUNTIME_CLASS(CLayer), RUNTIME_CLASS(CShape), false},
        {RUNTIME_CLASS(CObject), RUNTIME_CLASS(CLayer), false},
        {RUNTIME_CLASS(CCircle), nullptr, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.pClass->m_lpszClassName) + " from " +
                     (row.pBase ? row.pBase->m_lpszClassName : "null"));
        EXPECT_EQ(row.pClass->IsDerivedFrom(row.pBase), row.bDerived);
    }
    CCircle circle;
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CShape)));
    EXPECT_FALSE(circle.IsKindOf(RUNTIME_CLASS(CLayer)));
}

TEST(CRuntimeClass, DescribesNameSizeAndSchema)
{
    CRuntimeClass* pClass = RUNTIME_CLASS(CLayer);
    EXPECT_STREQ(pClass->m_lpszClassName, "CLayer");
    EXPECT_EQ(pClass->m_nObjectSize, static_cast<int>(sizeof(CLayer)));
    EXPECT_EQ(pClass->m_wSchema, VERSIONABLE_SCHEMA | 3u);
    EXPECT_EQ(pClass->m_pBaseClass, RUNTIME_CLASS(CObject));

    EXPECT_TRUE(CLayer().IsSerializable());
    EXPECT_FALSE(CCircle().IsSerializable());
}

TEST(CRuntimeClass, FindsOnlySerialClassesByExactName)
{
    EXPECT_EQ(CRuntimeClass::FromName("CLayer"), RUNTIME_CLASS(CLayer));
    for (LPCSTR lpszName : {"CCircle", "CShape", "clayer", "CLayer ", "", "CNoSuchClass"}) {
        SCOPED_TRACE(lpszName);
        EXPECT_EQ(CRuntimeClass::FromName(lpszName), nullptr);
    }
    EXPECT_EQ(CRuntimeClass::FromName(nullptr), nullptr);
}
