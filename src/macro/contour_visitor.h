#pragma once

#include <cstddef>
#include <string_view>

#include "macro/macro_geometry.h"
#include "platform/interface.h"

namespace plessard::macro {

// Takes the contours of a macro file as they are read, for a drawing: each opened by start(),
// followed by its lines and arcs, and closed by end().
class ContourVisitor : public platform::Interface {
  public:
    // Each does nothing unless a visitor wants it.
    // Record 0 of the part numbered `part` (from 1, in the order written), at `line`.
    virtual void start(std::size_t /*part*/, std::size_t /*line*/, const MacroPoint& /*point*/) {}
    // A line or arc record; it starts where the one before ended.
    virtual void segment(const MacroSegment& /*segment*/) {}
    // Record 99 of the part; `bounds` holds all of it.
    virtual void end(const MacroBounds& /*bounds*/) {}
};

// Reads the records of the bytes in their order, as check_macro_text does, and hands every
// contour to the visitor; nothing is judged. Meant for bytes the checker found well formed; in
// others, contours without their record 99 are not closed, and lines that are not records are
// passed over.
void visit_contours(std::string_view bytes, ContourVisitor& visitor);

}  // namespace plessard::macro
