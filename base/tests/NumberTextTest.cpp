#include "base/NumberText.h"
#include "base/StandardError.h"

#include <gtest/gtest.h>

#include <limits>

using namespace burgeon;

TEST(FormatGeneral, WholeNumbersAndShortDecimals) {
    EXPECT_EQ(formatGeneral(45.0), "45");
    EXPECT_EQ(formatGeneral(2.5), "2.5");
    EXPECT_EQ(formatGeneral(0.35), "0.35");
    EXPECT_EQ(formatGeneral(-72.0), "-72");
    EXPECT_EQ(formatGeneral(0.0), "0");
    EXPECT_EQ(formatGeneral(-0.0), "0");
    EXPECT_EQ(formatGeneral(1000.0), "1000");
    EXPECT_EQ(formatGeneral(0.01), "0.01");
}

TEST(FormatGeneral, ThirtyTwoBitValuesShowTheirBinaryDigits) {
    EXPECT_EQ(formatGeneral(0.79f), "0.790000021457672");
    EXPECT_EQ(formatGeneral(4.3f), "4.30000019073486");
    EXPECT_EQ(formatGeneral(45.0f), "45");
    EXPECT_EQ(formatGeneral(0.5f), "0.5");
}

TEST(FormatGeneral, FifteenSignificantDigitsThenScientific) {
    EXPECT_EQ(formatGeneral(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(formatGeneral(123456789012345.0), "123456789012345");
    EXPECT_EQ(formatGeneral(1234567890123456.0), "1.23456789012346E15");
    EXPECT_EQ(formatGeneral(0.00001), "0.00001");
    EXPECT_EQ(formatGeneral(0.000001), "1E-6");
    EXPECT_EQ(formatGeneral(-2.5e-7), "-2.5E-7");
    EXPECT_EQ(formatGeneral(std::numeric_limits<double>::infinity()), "INF");
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(1.5), 2);
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(2.4999), 2);
    EXPECT_EQ(roundHalfEven(22.375), 22);
    EXPECT_THROW(roundHalfEven(std::numeric_limits<double>::quiet_NaN()), StandardError);
    EXPECT_THROW(roundHalfEven(1e300), StandardError);
}

TEST(ParseInteger, AcceptsSignedDecimalsOnly) {
    EXPECT_EQ(parseInteger("7"), 7);
    EXPECT_EQ(parseInteger(" -12 "), -12);
    EXPECT_EQ(parseInteger("+3"), 3);
    for (const char* bad : {"", "3.0", "1e3", "x", "12a", "99999999999", "+-1", "- 1"}) {
        EXPECT_THROW(parseInteger(bad), StandardError) << bad;
    }
    try {
        parseInteger("abc");
        FAIL();
    } catch (const StandardError& error) {
        EXPECT_STREQ(error.what(), "'abc' is not a valid integer value");
    }
}

TEST(ParseFloat, AcceptsDecimalsWithExponent) {
    EXPECT_DOUBLE_EQ(parseFloat("45"), 45.0);
    EXPECT_DOUBLE_EQ(parseFloat("-2e1"), -20.0);
    EXPECT_DOUBLE_EQ(parseFloat("1.5"), 1.5);
    EXPECT_DOUBLE_EQ(parseFloat(".5"), 0.5);
    EXPECT_DOUBLE_EQ(parseFloat("5."), 5.0);
    for (const char* bad : {"", ".", "1.2.3", "e5", "1e", "0x10", "inf", "nan", "1,5", "1e999"}) {
        EXPECT_THROW(parseFloat(bad), StandardError) << bad;
    }
    try {
        parseFloat("1.2.3");
        FAIL();
    } catch (const StandardError& error) {
        EXPECT_STREQ(error.what(), "'1.2.3' is not a valid floating point value");
    }
}

TEST(FormatRoundTrip, ReadsBackToTheSameDouble) {
    for (double value : {0.1, 1.0 / 3.0, 0.79f * 1.0, -72.0, 1e-300, 12345.678}) {
        EXPECT_EQ(std::stod(formatRoundTrip(value)), value);
    }
}
