#pragma once

#include "input/part_dimensions.h"
#include "params/array_parameters.h"
#include "platform/line_sink.h"

namespace plessard::macro {

// The seven header records and one contour per part, column by column: 7 + 14 x NX x NY lines.
// Each record is written before the next is computed. A number that leaves the single range
// raises the floating-point error naming the line, the record and the operand; the lines
// before it stay written.
void write_part_array(platform::LineSink& out, const input::PartDimensions& part,
                      const params::ArrayParameters& array);

}  // namespace plessard::macro
