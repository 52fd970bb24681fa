#include "working.h"

#include <algorithm>

#include "messages.h"

namespace calc {

const WorkedResult* Working::find(std::string_view field) const {
    auto it = std::ranges::find(results, field, &WorkedResult::field);
    return it == results.end() ? nullptr : &*it;
}

void WorkedFields::run(const std::function<void(FieldAccess&)>& compute) {
    try {
        compute(*this);
    } catch (const RuntimeError& error) {
        working_.fault = error.code();
        working_.faultMessage = error.what();
        throw;
    } catch (...) {
        working_.fault = Error::Internal;
        working_.faultMessage = messageFor(Error::Internal);
        throw;
    }
}

}  // namespace calc
