#include "captions.h"

#include "antworld.h"

#include <initializer_list>

namespace sim {

namespace {

// The words with %1, %2, ... replaced by the numbers; the highest first, so that %1 never takes
// the start of %10. Numbers hold no %, so none is replaced twice.
std::string Put(std::string words, std::initializer_list<std::int64_t> numbers)
{
    for (auto n = static_cast<int>(numbers.size()); n >= 1; --n) {
        const std::string mark = "%" + std::to_string(n);
        const std::string number = std::to_string(*(numbers.begin() + n - 1));
        for (auto at = words.find(mark); at != std::string::npos; at = words.find(mark, at + number.size()))
            words.replace(at, mark.size(), number);
    }
    return words;
}

} // namespace

std::string RunCaption(std::int32_t gridWidth, std::int32_t gridHeight, std::int64_t stepCount,
                       int shareOne, int shareTwo, const std::string& words)
{
    return Put(words, {gridWidth, gridHeight, stepCount, shareOne, shareTwo});
}

std::string SizeCaption(double scaleWidth, double scaleHeight, int dotSize, const std::string& words)
{
    return Put(words, {GridCells(scaleWidth, dotSize), GridCells(scaleHeight, dotSize)});
}

} // namespace sim
