#pragma once
// Classes in this file: CRiroSequence, the command sequences that set the
// analyser up for an airborne, impact or reverberation measurement, in the
// link's two variants, with the gains and the estimate of their duration.

#include "RiroSettings.h"

#include <vector>

class CRiroSequence {
public:
    enum EKind {
        kSend,                 // the command as it stands
        kSendGains,            // formatted with the gains of channel 1 and 2
        kSendGain1,            // formatted with channel 1's gain
        kSendGain2,            // formatted with channel 2's gain
        kQuerySensitivities,   // reads both sensitivities; the gains follow
    };
    struct CStep {
        EKind eKind = kSend;
        CString sCommand;
        int nWaitMs = 0;        // shown on the start dialog after sending
        int nFullScale1 = 0;    // dB, for the gains of a sensitivity query
        int nFullScale2 = 0;
    };
    struct CGains {
        int nChannel1 = 0;
        int nChannel2 = 0;
    };

    // The second variant belongs to the settings section "Zizazir".
    CRiroSequence(const CRiroSettings& settings, int nSourceMode, bool bSecondVariant);

    std::vector<CStep> Build() const;
    double EstimateDuration(double dUnknown) const;

    static int Gain(int nFullScale, double dSensitivity);
    static CGains Gains(const CStep& query, double dSensitivity1, double dSensitivity2);
    static CString FormatCommand(const CStep& step, const CGains& gains);

private:
    std::vector<CStep> Airborne() const;
    std::vector<CStep> Impact() const;
    std::vector<CStep> Reverberation() const;
    void AddSourceModeSwitch(std::vector<CStep>& steps, bool bMls) const;
    void AddChannel(std::vector<CStep>& steps, int nChannel, bool bOn, EKind eGain) const;
    bool IsSourceModeSwitchDue(bool bMls) const;
    LPCTSTR Pick(LPCTSTR lpszFirst, LPCTSTR lpszSecond) const;

    const CRiroSettings& m_settings;
    int m_nSourceMode;
    bool m_bSecondVariant;
};
