// Behaviours of the key check of number cells: each key is tried on the
// edit's text at its caret or over its selection.

#include "tables/TypedKey.h"

#include <gtest/gtest.h>

namespace {

// The edit holding sText with the caret at its end.
CTypedKey::CEditState Caret(const char* lpszText)
{
    const int nEnd = static_cast<int>(strlen(lpszText));
    return {lpszText, nEnd, nEnd};
}

CTypedKey::CEditState Selected(const char* lpszText)
{
    return {lpszText, 0, static_cast<int>(strlen(lpszText))};
}

} // namespace

TEST(TypedKey, ChecksLevelAndCorrectionKeys)
{
    struct {
        const char* lpszCase;
        CTypedKey::CEditState edit;
        UINT nKey;
        bool bCorrection;
        char cDecimal;
        bool bAccepted;
    } const aRows[] = {
        {"digit", Caret("12"), '3', false, '.', true},
        {"third digit of 200", Caret("20"), '0', false, '.', false},
        {"199.9", Caret("199."), '9', false, '.', true},
        {"200 over the selected old text", Selected("45.0"), '2', false, '.', true},
        {"second decimal", Caret("12.3"), '4', false, '.', false},
        {"second separator", Caret("12."), '.', false, '.', false},
        {"other separator", Caret("12"), ',', false, '.', false},
        {"comma separator", Caret("12"), ',', false, ',', true},
        {"letter", Caret("1"), 'a', false, '.', false},
        {"minus", Caret("12"), '-', false, '.', true},
        {"second minus", Caret("-12"), '-', false, '.', false},
        {"backspace", Caret("12.3"), CTypedKey::kBackspace, false, '.', true},
        {"too long", Caret("-199.9"), '1', false, '.', false},
        {"correction 99.9", Caret("99."), '9', true, '.', true},
        {"correction 100", Caret("10"), '0', true, '.', false},
        {"negative correction", Caret("-9"), '9', true, '.', true},
    };
    for (const auto& row : aRows) {
        SCOPED_TRACE(row.lpszCase);
        EXPECT_EQ(row.bAccepted, CTypedKey::AcceptLevelKey(row.edit, row.nKey, row.bCorrection, row.cDecimal));
    }
}

TEST(TypedKey, ChecksReverberationKeys)
{
    struct {
        const char* lpszCase;
        CTypedKey::CEditState edit;
        UINT nKey;
        int nDecimals;
        bool bAccepted;
    } const aRows[] = {
        {"6 then 5", Caret("6"), '5', 2, false},
        {"59.99", Caret("59.9"), '9', 2, true},
        {"third decimal", Caret("1.23"), '4', 2, false},
        {"third decimal, loss factor", Caret("1.23"), '4', 3, true},
        {"minus", Caret("1"), '-', 2, false},
        {"separator", Caret("1"), '.', 2, true},
        {"first key replaces the selected text", Selected("65.00"), '5', 2, true},
        {"backspace", Caret("1.2"), CTypedKey::kBackspace, 2, true},
    };
    for (const auto& row : aRows) {
        SCOPED_TRACE(row.lpszCase);
        EXPECT_EQ(row.bAccepted, CTypedKey::AcceptReverberationKey(row.edit, row.nKey, row.nDecimals, '.'));
    }
}

TEST(TypedKey, PredictsTheTextAtTheCaretAndOverTheSelection)
{
    EXPECT_EQ(CString("1x2"), CTypedKey::Predicted({"12", 1, 1}, 'x'));
    EXPECT_EQ(CString("x"), CTypedKey::Predicted(Selected("45.0"), 'x'));
    EXPECT_EQ(CString("2"), CTypedKey::Predicted({"12", 1, 1}, CTypedKey::kBackspace));
    EXPECT_EQ(CString("12"), CTypedKey::Predicted({"12", 0, 0}, CTypedKey::kBackspace));
}
