// A compute's working records the error that stopped it as the pupil is shown it.
#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>

#include "calc/calc.h"
#include "calc/tests/field_table.h"

namespace calc {
namespace {

TEST(WorkedFields, AFaultIsRecordedWithTheNumberAndTheMessageTheBoxShows) {
    const struct {
        std::function<void()> raise;
        Error error;
        const char* message;
    } cases[] = {
        {[] { throw RuntimeError(Error::Overflow, Detail::Area); }, Error::Overflow,
         "Переполнение. Не удалось найти площадь."},
        {[] { throw std::bad_alloc(); }, Error::OutOfMemory, "Не хватает памяти."},
        {[] { throw std::out_of_range("a fault of the program's own"); }, Error::Internal,
         "Непредвиденная ошибка."},
        {[] { throw 1; }, Error::Internal, "Непредвиденная ошибка."},
    };
    for (const auto& c : cases) {
        testing::FieldTable table;
        WorkedFields worked(table);
        EXPECT_ANY_THROW(worked.run([&](FieldAccess&) { c.raise(); }));
        EXPECT_EQ(worked.working()->fault, c.error) << c.message;
        EXPECT_EQ(worked.working()->faultMessage, c.message);
    }
}

}  // namespace
}  // namespace calc
