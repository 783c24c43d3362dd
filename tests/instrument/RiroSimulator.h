#pragma once
// Classes in this file: CRiroSimulator, the tests' hand on the simulated
// analyser (tools/riro-sim) that tools/with-riro-sim.sh starts on COM17:
// its script, and the lines it received.

#include <string>
#include <utility>
#include <vector>

// Short enough that a silent analyser costs a test little, long enough for
// the simulator's answers.
constexpr unsigned long kTestByteTimeout = 400;

class CRiroSimulator {
public:
    static constexpr int kPort = 17;
    static constexpr int kUnmappedPort = 18;

    using CRules = std::vector<std::pair<std::string, std::string>>;

    // The rules by command; a later rule of the same command replaces one.
    void Script(const CRules& rules);
    void Change(const CRules& rules);
    // The lines received since the last call, once the simulator has
    // written down all that reached it.
    std::vector<std::string> TakeTranscript();

private:
    static std::string Folder();
    void Write() const;

    CRules m_rules;
};
