#include "spreads/Spreads.h"

#include <array>
#include <span>

namespace kestrune::spreads {

namespace {

// Left and top of each card box, in twips, position 1 first. The steps between
// rows are deliberately not uniform.
constexpr std::array<QPoint, 10> kCeltic = {{{3200, 3700}, {2300, 4200}, {3200, 7500}, {100, 3700}, {3200, 0},
                                              {6200, 3700}, {8500, 11300}, {8500, 7500}, {8500, 3700}, {8500, 0}}};
constexpr std::array<QPoint, 1> kOne = {{{5000, 2500}}};
constexpr std::array<QPoint, 2> kTwo = {{{4000, 2500}, {6200, 2500}}};
constexpr std::array<QPoint, 3> kThree = {{{2200, 2500}, {4400, 2500}, {6600, 2500}}};
// One row laid from right to left.
constexpr std::array<QPoint, 5> kLine = {{{8900, 2500}, {6700, 2500}, {4500, 2500}, {2300, 2500}, {100, 2500}}};
constexpr std::array<QPoint, 5> kWheel = {{{5000, 3800}, {7200, 3800}, {5000, 7600}, {2800, 3800}, {5000, 0}}};
// One column laid from the bottom up.
constexpr std::array<QPoint, 7> kChakra = {
    {{4500, 22600}, {4500, 18800}, {4500, 15000}, {4500, 11200}, {4500, 7500}, {4500, 3800}, {4500, 0}}};
constexpr std::array<QPoint, 8> kSeasons = {
    {{100, 7600}, {2300, 11400}, {4500, 0}, {2300, 3800}, {8900, 7600}, {6700, 3800}, {4500, 15200}, {6700, 11400}}};

std::span<const QPoint> layout(int listPosition)
{
    switch (listPosition) {
    case 0: return kCeltic;
    case 1: return kOne;
    case 2: return kTwo;
    case 3: return kThree;
    case 4: return kLine;
    case 5: return kWheel;
    case 6: return kChakra;
    case 7: return kSeasons;
    default: return {};
    }
}

} // namespace

std::optional<QPoint> FindPlacement(int listPosition, int position)
{
    const std::span<const QPoint> rows = layout(listPosition);
    if (position < 0 || static_cast<std::size_t>(position) >= rows.size())
        return std::nullopt;
    return rows[static_cast<std::size_t>(position)];
}

QPoint PositionPlacement(int listPosition, int position)
{
    return FindPlacement(listPosition, position).value_or(QPoint(0, 0));
}

bool IsCrossingPosition(int listPosition, int position) { return listPosition == 0 && position == 1; }

QPoint LabelOffset(int position) { return position == 6 ? QPoint(120, 0) : QPoint(0, 0); }

} // namespace kestrune::spreads
