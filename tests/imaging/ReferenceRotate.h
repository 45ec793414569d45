#pragma once

// The straightforward form of the area-weighted rotation, step by step: build
// the grid of turned pixel corners, clip every source pixel's quadrilateral
// against every destination pixel of its range, accumulate colour times area,
// then blend. Kept apart from the program's fast code so that the fast code
// can be checked (tests) and measured (bench) against it.

#include "imaging/Rotate.h"

#include <optional>

namespace kestrune::imaging::reference {

// Same contract as imaging::RotateBitmap. When coverageSum is given it receives
// the total coverage accumulated over all destination pixels.
std::optional<Bitmap> RotateBitmap(const Bitmap& source, double angle, const ProgressCallback& callback,
                                   ColorRef background, double* coverageSum = nullptr);

} // namespace kestrune::imaging::reference
