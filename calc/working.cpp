#include "working.h"

#include <algorithm>
#include <array>

#include "messages.h"

namespace calc {

std::string_view signOf(StepOp op) {
    static constexpr std::array<std::string_view, 5> kSigns{"+", "−", "·", ":", "√"};  // as StepOp
    return kSigns.at(static_cast<std::size_t>(op));
}

const WorkedResult* Working::find(std::string_view field) const {
    auto it = std::ranges::find(results, field, &WorkedResult::field);
    return it == results.end() ? nullptr : &*it;
}

void WorkedFields::run(const std::function<void(FieldAccess&)>& compute) {
    try {
        compute(*this);
    } catch (const std::exception& error) {
        working_.fault = errorOf(error);
        working_.faultMessage = messageOf(error, fields_);
        throw;
    } catch (...) {
        working_.fault = Error::Internal;
        working_.faultMessage = messageFor(Error::Internal);
        throw;
    }
}

}  // namespace calc
