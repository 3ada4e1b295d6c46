#pragma once

#include "hardware/mersennetwister.h"

#include <cstdint>
#include <vector>

// The oscilloscopes' simulated frame: sample k of every row is
//     2 sin(6280 k period) + 0.1 (g - trunc(g)),
// g a deviate of a std::normal_distribution(0, 5) made anew for each frame, drawn over the
// module's own std::mt19937 (seed 5489) through the standard library's polar method, one
// deviate per sample, row after row. The numbers are those the standard generator and
// distribution give, to the last bits of the noise; they are only computed differently:
// the generator's outputs in bulk, the polar method over blocks of candidates, and the sine
// by angle addition from two small tables, so that a frame of two rows of a million
// samples stays well inside the 100 ms acquisition period.
class DemoWaveformGenerator
{
public:
    DemoWaveformGenerator();

    // Fills rows[0 .. rowCount) with pointCount samples each (each row must hold that many).
    void generateFrame(double *const *rows, int rowCount, int pointCount, double period);

private:
    void prepareSine(int pointCount, double period);
    void fillRow(double *row, int pointCount);
    void refillDeviates();

    MersenneTwister m_twister;

    // Deviates of the current frame not yet used, and how many pairs the frame still needs:
    // the distribution never draws a pair past the frame's last sample.
    std::vector<double> m_deviates;
    std::size_t m_deviateIndex = 0;
    std::size_t m_deviateCount = 0;
    std::size_t m_pairsLeft = 0;

    // Scratch of the polar method, reused from frame to frame.
    std::vector<std::uint32_t> m_words;
    std::vector<double> m_x, m_y, m_r2;

    // sin and cos of j·h for j inside a block and of the first angle of every block, with
    // h = 6280 · period; kept while the period stays.
    double m_sinePeriod = 0.0;
    bool m_sineValid = false;
    std::vector<double> m_stepSin, m_stepCos;
    std::vector<double> m_blockSin, m_blockCos;
    double m_stepHigh = 0.0; // h split so that k · m_stepHigh and k · m_stepMid are exact
    double m_stepMid = 0.0;
    double m_stepLow = 0.0; // what h lacks to be 6280 · period exactly
};
