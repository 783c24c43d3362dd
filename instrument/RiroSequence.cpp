#include "RiroSequence.h"

namespace {

constexpr LPCTSTR kBandwidth = "BAW 2;UFR 20000;LFR 50;UFR 5000";
constexpr LPCTSTR kTimeConstants = "TIC 2;SSM 0";

CRiroSequence::CStep Send(LPCTSTR lpszCommand, int nWaitMs = 0, CRiroSequence::EKind eKind = CRiroSequence::kSend)
{
    CRiroSequence::CStep step;
    step.eKind = eKind;
    step.sCommand = lpszCommand;
    step.nWaitMs = nWaitMs;
    return step;
}

CRiroSequence::CStep SendNumber(LPCTSTR lpszFormat, int nValue)
{
    CString sCommand;
    sCommand.Format(lpszFormat, nValue);
    return Send(sCommand);
}

CRiroSequence::CStep QuerySensitivities(LPCTSTR lpszQuery, int nFullScale1, int nFullScale2)
{
    CRiroSequence::CStep step = Send(lpszQuery, 0, CRiroSequence::kQuerySensitivities);
    step.nFullScale1 = nFullScale1;
    step.nFullScale2 = nFullScale2;
    return step;
}

} // namespace

CRiroSequence::CRiroSequence(const CRiroSettings& settings, int nSourceMode, bool bSecondVariant)
    : m_settings(settings), m_nSourceMode(nSourceMode), m_bSecondVariant(bSecondVariant)
{
}

// The sequence of the kind chosen on the set-up dialog; none for another.
std::vector<CRiroSequence::CStep> CRiroSequence::Build() const
{
    switch (m_settings.m_nWriteRdBttn) {
    case CRiroSettings::kAirborne:
        return Airborne();
    case CRiroSettings::kImpact:
        return Impact();
    case CRiroSettings::kReverberation:
        return Reverberation();
    default:
        return {};
    }
}

// gain step of the analyser's input: (FS - 45 dB + s + 26.4 dB) / 5 dB,
// rounded half up and truncated toward zero
int CRiroSequence::Gain(int nFullScale, double dSensitivity)
{
    return static_cast<int>((nFullScale - 45 + dSensitivity + 26.4) * 0.2 + 0.5);
}

CRiroSequence::CGains CRiroSequence::Gains(const CStep& query, double dSensitivity1, double dSensitivity2)
{
    return {Gain(query.nFullScale1, dSensitivity1), Gain(query.nFullScale2, dSensitivity2)};
}

CString CRiroSequence::FormatCommand(const CStep& step, const CGains& gains)
{
    CString sCommand;
    switch (step.eKind) {
    case kSendGains:
        sCommand.Format(step.sCommand, gains.nChannel1, gains.nChannel2);
        return sCommand;
    case kSendGain1:
        sCommand.Format(step.sCommand, gains.nChannel1);
        return sCommand;
    case kSendGain2:
        sCommand.Format(step.sCommand, gains.nChannel2);
        return sCommand;
    default:
        return step.sCommand;
    }
}

// The seconds the sequence of the chosen kind takes; dUnknown for another.
double CRiroSequence::EstimateDuration(double dUnknown) const
{
    switch (m_settings.m_nWriteRdBttn) {
    case CRiroSettings::kAirborne: {
        const bool bMls = m_settings.m_nCheckAirMls == 1;
        return (IsSourceModeSwitchDue(bMls) ? 13.5 : 8.5) + (bMls ? 2.0 : 4.0);
    }
    case CRiroSettings::kImpact: {
        const bool bBoth = m_settings.m_nCheckImpactCh1 == 1 && m_settings.m_nCheckImpactCh2 == 1;
        return (m_nSourceMode == 1 ? 12.5 : 17.5) + (bBoth ? 2.5 : 0.0) + 3.0;
    }
    case CRiroSettings::kReverberation: {
        const bool bMls = m_settings.m_nCheckReverbMls == 1;
        const bool bBoth = m_settings.m_nCheckReverbCh1 == 1 && m_settings.m_nCheckReverbCh2 == 1;
        return (IsSourceModeSwitchDue(bMls) ? 14.5 : 9.5) + (bMls ? 4.5 : 10.5) + (bBoth ? 4.0 : 0.0);
    }
    default:
        return dUnknown;
    }
}

// The estimate counts a source-mode switch only when the analyser is in the
// other of its two modes; the sequence switches from any mode but the right one.
bool CRiroSequence::IsSourceModeSwitchDue(bool bMls) const
{
    return m_nSourceMode == (bMls ? 1 : 2);
}

LPCTSTR CRiroSequence::Pick(LPCTSTR lpszFirst, LPCTSTR lpszSecond) const
{
    return m_bSecondVariant ? lpszSecond : lpszFirst;
}

// MLS measurements need source mode 2, the others mode 1.
void CRiroSequence::AddSourceModeSwitch(std::vector<CStep>& steps, bool bMls) const
{
    const int nWanted = bMls ? 2 : 1;
    if (m_nSourceMode != nWanted)
        steps.push_back(Send(bMls ? "SMM 2" : "SMM 1", 5000));
}

// A channel in use gets its high-pass filter, input and gain; one not in use
// has its input switched off.
void CRiroSequence::AddChannel(std::vector<CStep>& steps, int nChannel, bool bOn, EKind eGain) const
{
    if (!bOn) {
        steps.push_back(Send(nChannel == 1 ? "CHN 1;INP 0" : "CHN 2;INP 0", 1000));
        return;
    }
    if (nChannel == 1)
        steps.push_back(Send(Pick("CHN 1;HPF 2;INP 1", "CHN 1;HPF 2;INP 2"), 1000));
    else
        steps.push_back(Send(Pick("CHN 2;HPF 2;INP 1", "CHN 2;HPF 2;INP 2"), 1000));
    steps.push_back(Send("GAN %i", 1500, eGain));
}

std::vector<CRiroSequence::CStep> CRiroSequence::Airborne() const
{
    const bool bMls = m_settings.m_nCheckAirMls == 1;
    std::vector<CStep> steps;
    AddSourceModeSwitch(steps, bMls);
    steps.push_back(Send("MOD 1", 4000));
    steps.push_back(Send(kBandwidth, 2000));
    steps.push_back(Send(Pick("CHN 0;HPF 2;INP 1", "CHN 0;HPF 2;INP 2"), 1000));
    steps.push_back(QuerySensitivities("IAS? 0,1,1", m_settings.m_nAirFs1, m_settings.m_nAirFs2));
    steps.push_back(Send("CHN 1;GAN %i;CHN 2;GAN %i", 1500, kSendGains));
    if (bMls) {
        steps.push_back(SendNumber("MNA %i", m_settings.m_nAirAvrg));
        steps.push_back(SendNumber("RSN %i", m_settings.m_nAirNoise));
        steps.push_back(Send("NOT 1;NOS 2;NOL 6", 2000));
    } else {
        steps.push_back(Send(kTimeConstants));
        steps.push_back(Send(Pick("MEE 1;MEP 16,0", "MEE 1;MEP 45,0"), 1000));
        steps.push_back(Send(Pick("NOT 1;NOS 2;NOL 0;GSM 1", "NOT 2;NOS 2;NOL 0;GSM 1"), 2000));
        steps.push_back(Send("XCO 0", 1000));
    }
    return steps;
}

std::vector<CRiroSequence::CStep> CRiroSequence::Impact() const
{
    std::vector<CStep> steps;
    AddSourceModeSwitch(steps, false);
    steps.push_back(Send("MOD 1", 4000));
    steps.push_back(Send(kBandwidth, 2000));
    steps.push_back(Send(kTimeConstants));
    steps.push_back(Send("MEE 1;MEP 16,0", 2000));
    steps.push_back(Send("NOL 20;GSM 0", 1000));
    steps.push_back(Send("XCO 0", 1000));
    steps.push_back(Send(Pick("CHN 0;INP 1", "CHN 0;INP 2"), 1000));
    steps.push_back(QuerySensitivities("IAS? 0,1,1", m_settings.m_nImpactFS, m_settings.m_nImpactFS));
    AddChannel(steps, 1, m_settings.m_nCheckImpactCh1 == 1, kSendGain1);
    AddChannel(steps, 2, m_settings.m_nCheckImpactCh2 == 1, kSendGain2);
    return steps;
}

std::vector<CRiroSequence::CStep> CRiroSequence::Reverberation() const
{
    const bool bMls = m_settings.m_nCheckReverbMls == 1;
    std::vector<CStep> steps;
    AddSourceModeSwitch(steps, bMls);
    steps.push_back(Send("MOD 2", 4000));
    steps.push_back(Send(Pick("CHN 0;INP 1", "CHN 0;INP 2"), 1000));
    steps.push_back(QuerySensitivities(Pick("IAS? 0,1,1", "IAS? 0,1,2"), m_settings.m_nReverbFS, m_settings.m_nReverbFS));
    AddChannel(steps, 1, m_settings.m_nCheckReverbCh1 == 1, kSendGain1);
    AddChannel(steps, 2, m_settings.m_nCheckReverbCh2 == 1, kSendGain2);
    CStep noise = SendNumber("BGL %i", m_settings.m_nReverbNoise);
    noise.nWaitMs = 1000;
    steps.push_back(noise);
    if (bMls) {
        steps.push_back(Send(kBandwidth, 2000));
        steps.push_back(SendNumber("MNA %i", m_settings.m_nReverbAvrg));
        steps.push_back(SendNumber("RSN %i", m_settings.m_nReverbNoise));
        steps.push_back(Send("NOT 1;NOS 2;NOL 12", 1500));
    } else {
        steps.push_back(Send(Pick("BAW 2;UFR 20000;LFR 100;UFR 5000", kBandwidth), 2000));
        steps.push_back(Send(kTimeConstants));
        steps.push_back(Send("MEE 1;MEP 0,004;NPR 1000;NPB 100", 2000));
        steps.push_back(Send("VLR 1,1;VLR 2,0;VLR 3,0;VLR 4,0;VLR 5,0;VLR 6,0", 2500));
        steps.push_back(Send(Pick("NOT 1;NOS 2;NOL 0;GSM 0", "NOT 2;NOS 2;NOL 0;GSM 0"), 2000));
        steps.push_back(Send(Pick("XCT 1;XTM 3", "XCT 1;XTM 8"), 1000));
        steps.push_back(Send("XCO 6;XDL 0", 1000));
    }
    return steps;
}
