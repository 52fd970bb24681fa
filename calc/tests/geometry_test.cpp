// The four geometry calculations, through a plain table of field texts.
#include <gtest/gtest.h>

#include "calc/calc.h"
#include "calc/tests/field_table.h"
#include "compute_cases.h"
#include "recording_fields.h"
#include "testing/separator_guard.h"

namespace calc {
namespace {

constexpr Error kOverflow = Error::Overflow;
constexpr Error kMismatch = Error::TypeMismatch;

using testing::FieldTable;
using testing::Texts;

// Result fields start with "old" so that a test sees which ones a calculation wrote.
Texts fourFields(const char* t1, const char* t2, const char* t3 = "old", const char* t4 = "old") {
    return testing::geometryFields(t1, t2, t3, t4);
}

// The circle has no fourth field.
Texts circleFields(const char* t1, const char* t2 = "old", const char* t3 = "old") {
    Texts texts = testing::geometryFields(t1, t2, t3);
    texts.erase("txt4");
    return texts;
}

TEST(Geometry, ResultsAndFaults) {
    const ComputeCase cases[] = {
        // Right triangle: txt1, txt2 legs -> txt3 hypotenuse, txt4 area.
        {"legs 3 and 4", computeTriangle, fourFields("3", "4"), fourFields("3", "4", "5", "6")},
        {"legs with units", computeTriangle, fourFields("3 см", "4 см"),
         fourFields("3 см", "4 см", "5", "6")},
        {"empty legs", computeTriangle, fourFields("", ""), fourFields("", "", "0", "0")},
        {"a squared overflows", computeTriangle, fourFields("1e200", "1"), fourFields("1e200", "1"),
         kOverflow},
        {"the sum of squares overflows", computeTriangle, fourFields("1e154", "1e154"),
         fourFields("1e154", "1e154"), kOverflow},

        // Circle: txt1 radius -> txt2 circumference, txt3 area.
        {"r = 1", computeCircle, circleFields("1"), circleFields("1", "6.28", "3.14")},
        {"r = -1 squares to a positive area", computeCircle, circleFields("-1"),
         circleFields("-1", "-6.28", "3.14")},
        {"r = 2.5", computeCircle, circleFields("2,5"), circleFields("2,5", "15.7", "19.625")},
        {"area overflows after the circumference", computeCircle, circleFields("1e200"),
         circleFields("1e200", "6.28E+200"), kOverflow},
        {"circumference overflows", computeCircle, circleFields("1e308"), circleFields("1e308"),
         kOverflow},

        // Cylinder: txt1 radius, txt2 height -> txt3 lateral, txt4 total.
        {"r = 2, h = 3", computeCylinder, fourFields("2", "3"),
         fourFields("2", "3", "37.68", "62.8")},
        {"r = 0, h = 5", computeCylinder, fourFields("0", "5"), fourFields("0", "5", "0", "0")},
        {"height not a number", computeCylinder, fourFields("2", "abc"), fourFields("2", "abc"),
         kMismatch, "txt2"},
        {"empty height", computeCylinder, fourFields("2", ""), fourFields("2", ""), kMismatch,
         "txt2"},
        {"radius read leniently first, strictly later", computeCylinder, fourFields("2x", "3"),
         fourFields("2x", "3", "37.68"), kMismatch, "txt1"},
        {"lateral overflows", computeCylinder, fourFields("1e200", "1e200"),
         fourFields("1e200", "1e200"), kOverflow},
        {"total overflows after the lateral", computeCylinder, fourFields("1e154", "1e-154"),
         fourFields("1e154", "1e-154", "6.28"), kOverflow},
        {"height beyond the double range", computeCylinder, fourFields("1", "1e999"),
         fourFields("1", "1e999"), kOverflow, "txt2"},

        // Cone: txt1 radius, txt2 height -> txt3 lateral, txt4 total, both by the slant.
        {"r = 3, h = 4: slant 5", computeCone, fourFields("3", "4"),
         fourFields("3", "4", "47.1", "75.36")},
        {"r = 0, h = 5", computeCone, fourFields("0", "5"), fourFields("0", "5", "0", "0")},
        {"radius not a number", computeCone, fourFields("abc", "4"), fourFields("abc", "4"),
         kMismatch, "txt1"},
        {"height read leniently first, strictly later", computeCone, fourFields("3", "x"),
         fourFields("3", "x", "28.26"), kMismatch, "txt2"},
        {"total overflows after the lateral", computeCone, fourFields("6e153", "0"),
         fourFields("6e153", "0", "1.1304E+308"), kOverflow},
        {"the height's square overflows", computeCone, fourFields("1", "2e154"),
         fourFields("1", "2e154"), kOverflow},
        {"overflowed slant times r = 0", computeCone, fourFields("0", "1e308"),
         fourFields("0", "1e308"), kOverflow},
    };
    for (const auto& c : cases) runCase(c);
}

TEST(Geometry, ResultsFollowTheDecimalSeparator) {
    SeparatorGuard comma(',');
    const ComputeCase cases[] = {
        {"circle", computeCircle, circleFields("2.5"), circleFields("2.5", "15,7", "19,625")},
        // The total is written, read back and written again: the comma must survive that.
        {"cylinder", computeCylinder, fourFields("2", "3"), fourFields("2", "3", "37,68", "62,8")},
        {"cone", computeCone, fourFields("3", "4"), fourFields("3", "4", "47,1", "75,36")},
    };
    for (const auto& c : cases) runCase(c);
}

TEST(Geometry, FieldsAreReadAndWrittenInOrder) {
    const struct {
        const char* name;
        void (*compute)(FieldAccess&);
        std::vector<std::string> calls;
    } cases[] = {
        {"triangle",
         computeTriangle,
         {"read txt2", "read txt1", "write txt3", "read txt2", "read txt1", "write txt4"}},
        {"circle", computeCircle, {"read txt1", "write txt2", "read txt1", "write txt3"}},
        {"cylinder",
         computeCylinder,
         {"read txt2", "read txt1", "write txt3", "read txt1", "read txt2", "write txt4"}},
        {"cone",
         computeCone,
         {"read txt1", "read txt2", "write txt3", "read txt1", "read txt2", "write txt4"}},
    };
    for (const auto& c : cases) {
        RecordingFields fields(fourFields("3", "4"));
        c.compute(fields);
        EXPECT_EQ(fields.calls(), c.calls) << c.name;
    }
}

TEST(Geometry, MessagesSayWhatFailed) {
    FieldTable fields(circleFields("1e200"));
    try {
        computeCircle(fields);
        FAIL() << "no overflow";
    } catch (const RuntimeError& e) {
        EXPECT_STREQ(e.what(), "Переполнение. Не удалось найти площадь.");
    }
}

TEST(Geometry, AMissingFieldIsAnErrorAfterTheEarlierResults) {
    FieldTable fields({{"txt1", "3"}, {"txt2", "4"}, {"txt3", ""}});
    try {
        computeTriangle(fields);
        FAIL() << "txt4 was found";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code(), Error::UnknownField);
        EXPECT_STREQ(e.what(), "На экране нет такого поля. Имя поля: «txt4».");
    }
    EXPECT_EQ(fields.texts().at("txt3"), "5");
}

}  // namespace
}  // namespace calc
