// CObject and CRuntimeClass: run-time class chains, dynamic creation and the
// registry of serial classes that archives look names up in.
#include "platform/afx/afx.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// "Rtc" keeps the names apart from other serial classes of this test program:
// archives find classes by name, so two with one name would clash.
class CRtcShape : public CObject {
    DECLARE_DYNAMIC(CRtcShape)
};
IMPLEMENT_DYNAMIC(CRtcShape, CObject)

class CRtcCircle : public CRtcShape {
    DECLARE_DYNCREATE(CRtcCircle)
};
IMPLEMENT_DYNCREATE(CRtcCircle, CRtcShape)

class CRtcLayer : public CObject {
    DECLARE_SERIAL(CRtcLayer)
public:
    int m_nDepth = 7;
};
IMPLEMENT_SERIAL(CRtcLayer, CObject, VERSIONABLE_SCHEMA | 3)

}

TEST(CRuntimeClass, CreatesObjectsOnlyForCreatableClasses)
{
    EXPECT_EQ(RUNTIME_CLASS(CRtcShape)->CreateObject(), nullptr);
    EXPECT_EQ(RUNTIME_CLASS(CObject)->CreateObject(), nullptr);

    std::unique_ptr<CObject> pCircle(RUNTIME_CLASS(CRtcCircle)->CreateObject());
    ASSERT_NE(pCircle, nullptr);
    EXPECT_EQ(pCircle->GetRuntimeClass(), RUNTIME_CLASS(CRtcCircle));

    std::unique_ptr<CObject> pLayer(RUNTIME_CLASS(CRtcLayer)->CreateObject());
    ASSERT_NE(pLayer, nullptr);
    EXPECT_EQ(static_cast<CRtcLayer*>(pLayer.get())->m_nDepth, 7);
}

TEST(CRuntimeClass, KnowsItsBaseChain)
{
    struct Row {
        CRuntimeClass* pClass;
        CRuntimeClass* pBase;
        bool bDerived;
    };
    const Row rows[] = {
        {RUNTIME_CLASS(CRtcCircle), RUNTIME_CLASS(CRtcCircle), true},
        {RUNTIME_CLASS(CRtcCircle), RUNTIME_CLASS(CRtcShape), true},
        {RUNTIME_CLASS(CRtcCircle), RUNTIME_CLASS(CObject), true},
        {RUNTIME_CLASS(CRtcShape), RUNTIME_CLASS(CRtcCircle), false},
        {RUNTIME_CLASS(CRtcLayer), RUNTIME_CLASS(CRtcShape), false},
        {RUNTIME_CLASS(CObject), RUNTIME_CLASS(CRtcLayer), false},
        {RUNTIME_CLASS(CRtcCircle), nullptr, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.pClass->m_lpszClassName) + " from " +
                     (row.pBase ? row.pBase->m_lpszClassName : "null"));
        EXPECT_EQ(row.pClass->IsDerivedFrom(row.pBase), row.bDerived);
    }
    CRtcCircle circle;
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CRtcShape)));
    EXPECT_FALSE(circle.IsKindOf(RUNTIME_CLASS(CRtcLayer)));
}

TEST(CRuntimeClass, DescribesNameSizeAndSchema)
{
    CRuntimeClass* pClass = RUNTIME_CLASS(CRtcLayer);
    EXPECT_STREQ(pClass->m_lpszClassName, "CRtcLayer");
    EXPECT_EQ(pClass->m_nObjectSize, static_cast<int>(sizeof(CRtcLayer)));
    EXPECT_EQ(pClass->m_wSchema, VERSIONABLE_SCHEMA | 3u);
    EXPECT_EQ(pClass->m_pBaseClass, RUNTIME_CLASS(CObject));

    EXPECT_TRUE(CRtcLayer().IsSerializable());
    EXPECT_FALSE(CRtcCircle().IsSerializable());
}

TEST(CRuntimeClass, FindsOnlySerialClassesByExactName)
{
    EXPECT_EQ(CRuntimeClass::FromName("CRtcLayer"), RUNTIME_CLASS(CRtcLayer));
    for (LPCSTR lpszName : {"CRtcCircle", "CRtcShape", "crtclayer", "CRtcLayer ", "", "CNoSuchClass"}) {
        SCOPED_TRACE(lpszName);
        EXPECT_EQ(CRuntimeClass::FromName(lpszName), nullptr);
    }
    EXPECT_EQ(CRuntimeClass::FromName(nullptr), nullptr);
}
