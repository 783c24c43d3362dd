#pragma once
// Classes in this file: CReportEXTGrid, the field report page with the
// extended input options: the plain field page four rows longer, with a
// block above the data rows that describes the source and receiving
// rooms (condition, type, location), the noise type and the receiving
// filter, and the single-number line of the 2006 edition with its total.

#include "ReportExtendedTexts.h"
#include "ReportGrid.h"

class CReportEXTGrid : public CReportGrid {
public:
    // The texts of the room block, in the order they are loaded.
    enum ERoomText {
        kSourceCondition,
        kReceivingCondition,
        kSourceType,
        kReceivingType,
        kSourceLocation,
        kReceivingLocation,
        kNoiseType,
        kReceivingFilter,
        kRoomTexts
    };

    static constexpr int kRows = 62;

    void InitFieldPositions() override;
    void JoinFieldCells() override;
    void FillHeaderTexts() override;
    void FillSingleNumberResults() override;
    void LoadFieldsFromReportInfo() override;
    void StoreFieldsToReportInfo() override;
    std::vector<CFieldPos> EditableFields() const override;

    void SetRoomText(ERoomText nText, const CString& sText);
    CString GetRoomText(ERoomText nText);
    const CFieldPos& RoomTextPos(ERoomText nText) const { return m_aRoomText[nText]; }

protected:
    virtual CReportExtendedTexts::EPage Page() const { return CReportExtendedTexts::EPage::Extended; }
    // The noise type's row; the receiving filter stands below it.
    virtual int NoiseTypeRow() const { return 16; }

private:
    void WriteRoomLabels();

    CFieldPos m_aRoomText[kRoomTexts];
};
