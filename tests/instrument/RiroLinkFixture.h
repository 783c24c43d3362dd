#pragma once
// Classes in this file: CRiroLinkFixture, the base of the link's tests under
// Wine: an application with a profile in memory pointing the link at the
// simulated analyser, short time-outs, the message boxes recorded and
// answered, and a healthy analyser holding a two-channel Leq measurement.

#include "RiroSimulator.h"

#include "instrument/RiroSetup.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

class CRiroLinkFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The answers of the next boxes (IDOK once used up); a box may also run
    // an action first, to change the analyser while the user reads it.
    void Answer(int nAnswer, std::function<void()> action = nullptr);
    // A healthy analyser changed by the rules, and No to a retry.
    void StartFailureCase(const CRiroSimulator::CRules& rules);
    static std::string Text(UINT nID);
    static std::string LeqBands(int nFirstValue, int nFlagged = -1, char chFlag = ' ');
    static void PressButton(HWND hDlg, int nID);

    CRiroSimulator m_analyser;
    std::vector<std::string> m_boxes;

private:
    std::deque<std::pair<int, std::function<void()>>> m_answers;
};
