#pragma once
// Classes in this file: CCalc, one evaluated result of a project: twenty band
// spectra, the single-number values, the rating routines, the adaptation
// terms and the correction rules.

#include "CalcSettings.h"
#include "CalcStatus.h"

#include "NBuildData.h"
#include "NSpectrum.h"

#include "afx.h"

class CCalcDocument;
class CReportInfo;
struct CRatingCurve;
struct CCurveRating;
struct CCorrectionRule;
struct CAirborneNoiseRules;
struct CBandArray;

constexpr int kCalcSpectrumCount = 20;
constexpr int kImprovementCount = 8;

class CCalc : public CObject {
    DECLARE_SERIAL(CCalc)
public:
    CCalc();
    CCalc(const CCalc& other) = default;
    CCalc& operator=(const CCalc& other) = default;
    ~CCalc() override = default;

// Attributes
    CCalcDocument* m_pDoc;                  // owning project; not owned, not archived
    NSpectrum m_aSpec[kCalcSpectrumCount];
    double m_dRating;
    double m_dDevLimit;
    double m_dDevSum;
    double m_dMaxDev;
    int m_nMaxDevBand;
    double m_dArea;
    CString m_sLabel;
    double m_dRatingBare;
    double m_dRatingCovered;
    double m_dRatingRefCovered;
    double m_dC50_3150;
    double m_dC50_5000;
    double m_dC;
    double m_dC100_5000;
    double m_dCtr50_3150;
    double m_dCtr50_5000;
    double m_dCtr;
    double m_dCtr100_5000;
    double m_dCI50_2500;
    double m_dCI;
    double m_dCIDelta;
    double m_dCIAux;
    double m_dVolumeCorr;
    double m_dFinalValue;
    bool m_bVariant;
    double m_adImprovement[kImprovementCount];
    double m_dRatingWhole;

// Object
    void Reset();
    void Serialize(CArchive& ar) override;
    static double RoundTerm(double dValue, double dRating);
    static double WaterhouseTerm(int nBand, double dVolume, double dArea);

// The project
    CCalcSettings GetSettings() const;
    const CReportInfo* GetProjectReportInfo() const;
    NSpectrum SummaryLevel(int nTableId) const;

// Ratings by ISO 717-1 and ISO 717-2
    int RateAirborne();
    int RateImpact();
    double DevAirborne(NSpectrum meas, NSpectrum ref, double dShift);
    double DevImpact(NSpectrum meas, NSpectrum ref, double dShift);
    static void BuildRefAirborne(NSpectrum& spec);
    static void BuildRefImpact(NSpectrum& spec);

// Ratings by ASTM E413 and E989
    int RateStc();
    int RateIic();
    double DevStc(NSpectrum meas, NSpectrum ref, double dShift);
    static void BuildContourStc(NSpectrum& spec);

// Weighted sound absorption coefficient by ISO 11654
    int RateAbsorption();
    double DevAbsorption(NSpectrum ap, NSpectrum ref, double dShift);
    static void BuildRefAbsorption(NSpectrum& spec);

// Impact improvement
    int RateImpactReductionHeavy();
    int RateImpactReductionLight();
    int CalcCIDeltaHeavy();
    int CalcCIDeltaLight();
    static void BuildRefFloorHeavy(NSpectrum& spec);
    static void BuildRefFloorLight(NSpectrum& spec, int nFloorNumber);
    static void BuildBasicWallCurve1(NSpectrum& spec);
    static void BuildBasicWallCurve2(NSpectrum& spec);
    static void BuildBasicWallCurve3(NSpectrum& spec);

// Spectrum adaptation terms
    int CalcAdaptationTermsC();
    int CalcAdaptationTermCI();
    static void BuildSpectrumC3150(NSpectrum& spec);
    static void BuildSpectrumC5000(NSpectrum& spec);
    static void BuildSpectrumCtr(NSpectrum& spec);
    static void BuildSpectrumCIWeight(NSpectrum& spec);

// Background-noise and transmission corrections
    int CorrectBackground();
    int CorrectBackgroundLab();
    int CorrectBackgroundAstm();
    int CorrectAirborneNoise();
    int CorrectAirborneNoiseLab();
    int CorrectAirborneNoiseLabFull();
    int CorrectAirborneNoiseSets(NSpectrum impact, NSpectrum source, NSpectrum background,
                                 double dLow, double dHigh, double dLimitValue);
    int CorrectFlanking();
    NSpectrum BackgroundCorrection(NSpectrum level, NSpectrum background, double dLow,
                                   double dHigh, double dLimitValue) const;

// Field airborne methods
    int CalcAppSoundReduction();
    int CalcNormLevelDifference();
    int CalcAppSoundReductionVolLimited();
    int CalcFacadeElementTraffic();
    int CalcFacadeElementLoudspeaker();
    int CalcFacadeAngle();

// Field airborne methods with a reference reverberation time
    int CalcStandLevelDiffVolT0();
    int CalcFacadeStandLevelDiffVolT0();
    int CalcFacadeCos45();
    int CalcAppSoundReductionLimited();
    int CalcAirborneCombined();

// Field impact methods
    int CalcImpactLevel();
    int CalcStandImpactLevel();
    int CalcStandImpactLevelVolT0();
    int CalcImpactCombined();
    int CalcImpactLevelLimited();
    int CalcImpactLevelSets();
    int CalcStandImpactLevelSets();

// Sound intensity methods
    int CalcIntensityReduction();
    int CalcIntensityLevelDifference();

// Laboratory methods
    int CalcLabSoundReduction();
    int CalcLabNormLevelDifference();
    int CalcLabImpactLevel();
    int CalcLabSoundReductionSets();
    int CalcLabNormLevelDifferenceSets();

// ASTM methods
    int CalcAstmAirborne();
    int CalcAstmNoiseReduction();
    int CalcAstmNoiseReduction2();
    int CalcAstmImpact();
    int CalcAstmImpact2();

// Volume correction and final value
    int CalcVolumeCorrection();

// Multi-set airborne methods
    int CalcAppSoundReductionSets();
    int CalcFacadeLoudspeakerSets();
    int CalcFacadeTrafficSets();
    int CalcLevelDifferenceSets();
    int CalcAirborneSetsNoAreaTerm();

// Impact improvement of a floor covering and corrected impact level
    int CalcImpactReductionRefHeavy();
    int CalcImpactReductionRefLight();
    int CalcCorrectedImpactLevel();

// Improvement of airborne sound insulation by a lining
    int CalcAirborneImprovement();

// Reverberation time and total loss factor
    int CalcReverbTime();
    int CalcReverbTimeMean();
    int CalcTotalLossFactor();

// Sound absorption in a reverberation room
    int CalcAbsorption();
    int CalcAbsorptionAirAtten();
    static double CalcAirAttenuation(int nBand, double dTemperature, double dHumidity,
                                     double dPressure);

// Single-loudspeaker level difference of the result pass
    int TakeSingleLoudspeakerLevel();

// Summing the records of measurement sets and lists
    NSpectrum SumSetRecords(int nTableId, int nSet) const;
    NSpectrum SumListRecords(const CList<NBuildData, NBuildData&>* pList) const;
    NSpectrum SumSetCornerMaxima(const CList<NBuildData, NBuildData&>* pList) const;

private:
    int RateWithIsoCurve(const CRatingCurve& curve);
    int RateWithAstmCurve(const CRatingCurve& curve);
    void PlaceCurve(const CRatingCurve& curve);
    void StoreCurveRating(const CCurveRating& rating, const CRatingCurve& curve);
    void ClearCurveRating();
    double DeviationsAgainst(CRatingCurve curve, const NSpectrum& meas, const NSpectrum& ref,
                             double dShift);
    int RateImpactReduction(NSpectrum covered, double dRefFloorRating);
    int RateImpactOf(NSpectrum level, double& dRating);
    int CalcCIDelta(double dRefFloorTerm);
    int LightFloorNumber() const;
    int RateAbsorptionBands();
    void FillBackgroundCorrection(NSpectrum& target, const NSpectrum& level,
                                  const NSpectrum& background, const CCorrectionRule& rule) const;
    int CorrectAirborneNoiseWith(const CAirborneNoiseRules& rules);
    void FillImpactCorrection(const CBandArray& impact, const CBandArray& sourceNoise,
                              const CCorrectionRule& rule);
};
