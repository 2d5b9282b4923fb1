// Orders a short list in place, equal elements kept in their order. The
// program's lists are a handful long (a palette's swatches, a form's
// controls, a few candidate readings), where std::stable_sort's merging and
// buffer cost far more code than the sorting is worth.
#pragma once
#include <algorithm>
#include <iterator>

namespace base {

template <typename Iterator, typename Less>
void InsertionSort(Iterator first, Iterator last, Less less) {
    for (Iterator i = first; i != last; ++i)
        for (Iterator j = i; j != first && less(*j, *std::prev(j)); --j) std::iter_swap(j, std::prev(j));
}

}  // namespace base
