#pragma once
// Classes in this file: CResultSIATabGrid, the result table of a field
// project rated by SIA 181: the page of the field projects with the SIA
// rating line (the volume term Cv and the total values of the 2006
// edition, the angle symbol of a facade) and the edition in the rating
// standard.

#include "ResultTabGrid.h"

class CResultSIATabGrid : public CResultTabGrid {
public:
    void FillSingleNumberResults(int nResult) override;
    void FillHeaderTexts() override;
};
