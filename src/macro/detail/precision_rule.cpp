#include "macro/detail/precision_rule.h"

#include <string_view>

#include "macro/macro_number.h"

namespace plessard::macro::detail {

void PrecisionRule::record(std::size_t line, const ParsedLine& parsed) {
    if (parsed.fault) {
        return;
    }
    for (const std::string_view text : parsed.texts) {
        if (!text.empty() && !writer_keeps(text)) {
            problems_.add(line, ProblemKind::warning,
                          [text] { return writer_change_message(text); });
        }
    }
}

}  // namespace plessard::macro::detail
