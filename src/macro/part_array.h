#pragma once

#include <cstdint>

#include "input/part_dimensions.h"
#include "params/array_parameters.h"
#include "platform/text_file.h"

namespace plessard::macro {

// The seven header records and one contour per part, column by column: 7 + 14 x NX x NY lines.
// Each record is written before the next is computed. A number that leaves the single range
// raises the floating-point error naming the line, the record and the operand; the lines
// before it stay written.
void write_part_array(platform::LineSink& out, const input::PartDimensions& part,
                      const params::ArrayParameters& array);

// The fourteen records of one part's contour with its origin at (x0, y0), "99" last.
// first_line is the number in the file of its first record, for messages.
void write_part_contour(platform::LineSink& out, const input::PartDimensions& part, float x0,
                        float y0, std::int64_t first_line = 1);

}  // namespace plessard::macro
