#pragma once
// Classes in this file: CA_Obj, one measurement object (A-object) of a channel
// as GetMeasA_Objs lists them: its id and the number of periods it holds.

#include "afx.h"

class CA_Obj : public CObject
{
public:
    CA_Obj() = default;
    CA_Obj(int nObject, int nPeriods) : m_nObject(nObject), m_nPeriods(nPeriods) {}
    CA_Obj(const CA_Obj&) = default;
    CA_Obj& operator=(const CA_Obj&) = default;

    void Serialize(CArchive& ar) override;

    int m_nObject = 0;
    int m_nPeriods = 0;     // 0: the object holds no data
};
