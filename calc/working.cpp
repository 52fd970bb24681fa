#include "working.h"

#include <algorithm>

namespace calc {

const WorkedResult* Working::find(std::string_view field) const {
    auto it = std::ranges::find(results, field, &WorkedResult::field);
    return it == results.end() ? nullptr : &*it;
}

}  // namespace calc
