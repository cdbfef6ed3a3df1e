#pragma once
// Files of x y z samples, one a line, and whether their samples lie on a regular grid.
//
// A line holds three reals separated by blanks, commas or both; empty lines and lines that
// begin with "#" or ";" are comments, and any other line that does not begin with three numbers
// (a header, a line of two numbers, "nan", "inf", "1e999") is skipped without notice.
//
// The grid test looks only at the first 1000 samples, in file order: the x and y steps are the
// smallest differences between a sample and the 49 after it, and the data are a grid when more
// than 79 % of the differences to the 9 samples after each are whole multiples of the steps
// (within a tenth of a step), counting until 100 differences were tried.

#include <span>
#include <string_view>
#include <vector>

struct TXyzSample {
    double X = 0, Y = 0, Z = 0;
};

// The samples of a file's text in file order, with the range of their z.
struct TXyzSamples {
    std::vector<TXyzSample> Samples;
    double ZLow = 0, ZHigh = 0;  // both 0 without samples
};
TXyzSamples ReadXyzSamples(std::string_view text);

// The steps found (1e30 where no difference above 1e-9 was seen) and the verdict.
struct TXyzGridSteps {
    double Dx = 1e30, Dy = 1e30;
    bool IsGrid = false;
};
// Fewer than 11 samples are never a grid.
TXyzGridSteps DetectXyzGrid(std::span<const TXyzSample> samples);
