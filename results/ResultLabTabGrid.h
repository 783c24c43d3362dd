#pragma once
// Classes in this file: CResultLabTabGrid, the result table of a laboratory
// project: the field page with the test conditions (temperature, pressure,
// air humidity, mass per unit area, and the size of the test opening or the
// curing time), and, by the method, the single-number block and band
// columns of a floor covering, a lightweight reference floor or a lining,
// the room levels of the corrected impact method, or the status columns of
// an airborne measurement. The improvement, corrected-impact and
// single-loudspeaker pages end without the chart.

#include "LabBandTexts.h"
#include "LabLines.h"
#include "ResultTabGrid.h"

class CResultLabTabGrid : public CResultTabGrid {
public:
    void InitLayout(int nFirstRow) override;
    void JoinLayoutCells() override;
    void SetLayoutBorders() override;

// Fields
    void SetSourceRoomVolumeText(const CString& sText) override;
    CString GetSourceRoomVolumeText() override;
    void SetHumidityText(const CString& sText) override;
    CString GetHumidityText() override;
    void SetSeparatingArea(double dValue) override;
    void SetTemperature(double dValue) override;
    double GetTemperature() override;

// The test conditions
    void SetTemperatureText(const CString& sText);
    void SetPressureText(const CString& sText);
    void SetMassPerAreaText(const CString& sText);
    void SetCuringTimeText(const CString& sText);
    void SetTestOpeningSize(double dValue);
    CString GetTemperatureText();
    CString GetPressureText();
    CString GetMassPerAreaText();
    // The curing time.
    CString GetEditFieldText();
    double GetTestOpeningSize();

// Filling
    void FillSingleNumberResults(int nResult) override;
    void FillSpectrumTable() override;
    void LoadEditableTexts() override;
    void StoreEditableTexts() override;
    void FillHeaderTexts() override;

protected:
    bool HasChartCell() const override;
    void SetPageCellTypes() override;
    bool ShowsSeparatingArea() const override;

private:
    struct CConditionFields {
        CLabeledField temperature, massPerArea, openingOrCuring, humidity, pressure;
    };

    ELabVariant Variant() const { return CLabLines::VariantOf(m_info); }
    bool HasTestOpening() const;
    bool HasCuringTime() const;
    // The band table's last group split into two status columns.
    bool SplitsLastGroup() const;
    void JoinImprovementBlock();
    void JoinBandTable();
    void FillConditionLabels();
    CLabSources LabSourcesOf(const CCalc& calc) const;

    CConditionFields m_conditions;
};
