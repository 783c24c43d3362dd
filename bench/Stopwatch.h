#pragma once
// Classes in this file: CStopwatch, the elapsed time of the timing programs
// run under Wine, from the performance counter.

#include <windows.h>

class CStopwatch {
public:
    CStopwatch()
    {
        ::QueryPerformanceFrequency(&m_frequency);
        ::QueryPerformanceCounter(&m_start);
    }
    double Milliseconds() const
    {
        LARGE_INTEGER now;
        ::QueryPerformanceCounter(&now);
        return 1000.0 * static_cast<double>(now.QuadPart - m_start.QuadPart) /
            static_cast<double>(m_frequency.QuadPart);
    }

private:
    LARGE_INTEGER m_frequency;
    LARGE_INTEGER m_start;
};
