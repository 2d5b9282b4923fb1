#include "figures.h"

#include <algorithm>
#include <cmath>

namespace bench {

double Ms(LARGE_INTEGER from, LARGE_INTEGER to) {
    static const double frequency = [] { LARGE_INTEGER f; QueryPerformanceFrequency(&f); return double(f.QuadPart); }();
    return double(to.QuadPart - from.QuadPart) * 1000.0 / frequency;
}

LARGE_INTEGER Now() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t;
}

double Percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    const auto rank = static_cast<std::size_t>(std::ceil(p * double(v.size())));
    return v[std::clamp<std::size_t>(rank, 1, v.size()) - 1];
}
double Median(const std::vector<double>& v) { return Percentile(v, 0.5); }
double Min(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }
double Max(const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); }

}  // namespace bench
