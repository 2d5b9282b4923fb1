// The bench's clock and the figures it reports: medians and percentiles of
// repeated measurements.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace bench {

LARGE_INTEGER Now();
double Ms(LARGE_INTEGER from, LARGE_INTEGER to);

// The value below which a share `p` of the samples lie (nearest rank).
double Percentile(std::vector<double> v, double p);
double Median(const std::vector<double>& v);
double Min(const std::vector<double>& v);
double Max(const std::vector<double>& v);

// One figure of each record, in the records' order: `field` is a pointer to
// a member or anything callable with a record.
template <class Records, class Field>
std::vector<double> ColumnOf(const Records& records, Field field) {
    std::vector<double> column;
    for (const auto& record : records) column.push_back(std::invoke(field, record));
    return column;
}

}  // namespace bench
