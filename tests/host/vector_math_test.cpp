#include "host/vector_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct UnitCase {
    VECTOR3 in;
    VECTOR3 expected;
};

void PrintTo(const UnitCase& c, std::ostream* out)
{
    *out << '(' << c.in.x << ", " << c.in.y << ", " << c.in.z << ')';
}

class VecUnitCases : public ::testing::TestWithParam<UnitCase> {};

}  // namespace

TEST_P(VecUnitCases, ScalesToLengthOneUnlessShorterThanAMillimetre)
{
    VECTOR3 out = VecUnit(GetParam().in);
    EXPECT_DOUBLE_EQ(out.x, GetParam().expected.x);
    EXPECT_DOUBLE_EQ(out.y, GetParam().expected.y);
    EXPECT_DOUBLE_EQ(out.z, GetParam().expected.z);
}

INSTANTIATE_TEST_SUITE_P(Lengths, VecUnitCases,
                         ::testing::Values(UnitCase{{3, 4, 0}, {0.6, 0.8, 0}},
                                           UnitCase{{0.001, 0, 0}, {1, 0, 0}},
                                           UnitCase{{0.0003, 0.0004, 0}, {0.0003, 0.0004, 0}},
                                           UnitCase{{0, 0, 0}, {0, 0, 0}},
                                           UnitCase{{0, -2e9, 0}, {0, -1, 0}}));

TEST(VectorMath, ANotANumberVectorComesBackUnchanged)
{
    double nan = std::numeric_limits<double>::quiet_NaN();
    VECTOR3 out = VecUnit({nan, 1, 2});
    EXPECT_TRUE(std::isnan(out.x));
    EXPECT_EQ(out.y, 1);
    EXPECT_EQ(out.z, 2);
}

TEST(VectorMath, ArithmeticAgreesWithAHandWorkedExample)
{
    VECTOR3 a{1, -2, 3}, b{0.5, 4, -1};
    VECTOR3 sum = VecAdd(a, b), difference = VecSub(a, b), scaled = VecScale(a, -2);
    EXPECT_EQ(sum.x, 1.5);
    EXPECT_EQ(sum.y, 2);
    EXPECT_EQ(sum.z, 2);
    EXPECT_EQ(difference.x, 0.5);
    EXPECT_EQ(difference.y, -6);
    EXPECT_EQ(difference.z, 4);
    EXPECT_EQ(scaled.x, -2);
    EXPECT_EQ(scaled.y, 4);
    EXPECT_EQ(scaled.z, -6);
    EXPECT_DOUBLE_EQ(VecLength(a), std::sqrt(14.0));
    EXPECT_EQ(Square(-3), 9);
    EXPECT_EQ(AbsValue(-2.5), 2.5);
    EXPECT_EQ(AbsValue(0.0), 0.0);
}
