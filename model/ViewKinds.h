#pragma once
// The kinds of project window besides the measurement tables (whose kind is
// their table id). The same number is the tree node that opens the window,
// the control id of the window's grid and the update hint.

constexpr int kViewKindReport = 102;
constexpr int kViewKindResultTable = 103;
constexpr int kViewKindBgnCorrectionTable = 105;
constexpr int kViewKindFtmCorrectionTable = 106;
constexpr int kViewKindMultiplotSetup = 111;
