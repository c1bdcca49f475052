#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <locale>
#include <string>

#include "document/NumberFormat.h"
#include "document/XmlLine.h"

namespace layrail {
namespace {

std::string printfReal(double value)
{
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.4f", value);
    return buffer;
}

const double kSamples[] = {0.0, 188.3, -24.75, 1.0 / 3.0, 2.00005, 0.00005, -0.00004, 123456789.123456,
                           1e-9, 359.99999, 1e20, -0.0, 2.5e-5, 1.23455, 1200.0};

TEST(NumberFormat, RealsMatchPrintfWithFourDecimals)
{
    EXPECT_EQ(formatReal(188.3), "188.3000");
    EXPECT_EQ(formatReal(-24.75), "-24.7500");
    EXPECT_EQ(formatReal(0.0), "0.0000");
    for (double v : kSamples)
        EXPECT_EQ(formatReal(v), printfReal(v)) << v;
}

TEST(NumberFormat, NonFiniteRealsAreWrittenAsZeroSoTheFileReadsBack)
{
    EXPECT_EQ(formatReal(std::numeric_limits<double>::quiet_NaN()), "0.0000");
    EXPECT_EQ(formatReal(std::numeric_limits<double>::infinity()), "0.0000");
    EXPECT_EQ(formatReal(std::numeric_limits<double>::max()).size(), 309u + 5u);
}

class CommaDecimal : public std::numpunct<char> {
protected:
    char do_decimal_point() const override { return ','; }
};

// A GUI toolkit switches the C locale and the C++ global locale to the user's; the
// file text must not follow.
TEST(NumberFormat, LocaleDoesNotChangeTheFileText)
{
    const std::locale previousGlobal = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    const std::string previousC = std::setlocale(LC_ALL, nullptr);
    bool commaLocale = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8", "ru_RU.UTF-8"}) {
        if (std::setlocale(LC_ALL, name)) {
            commaLocale = std::localeconv()->decimal_point[0] == ',';
            break;
        }
    }

    std::string text;
    appendReal(text, -1234.5);
    appendInt(text, -1234567);
    double real = 0.0;
    int integer = 0;
    const bool realOk = parseReal("12.75", real);
    const bool intOk = parseInt("1234567", integer);

    std::setlocale(LC_ALL, previousC.c_str());
    std::locale::global(previousGlobal);

    EXPECT_EQ(text, "-1234.5000-1234567");
    EXPECT_TRUE(realOk);
    EXPECT_DOUBLE_EQ(real, 12.75);
    EXPECT_TRUE(intOk);
    EXPECT_EQ(integer, 1234567);
    if (!commaLocale)
        GTEST_SKIP() << "no locale with a decimal comma installed; checked the C++ global locale only";
}

TEST(NumberFormat, ParsingTakesTheLongestPrefixLikeStrtod)
{
    double real = -1.0;
    EXPECT_TRUE(parseReal("12.5abc", real));
    EXPECT_DOUBLE_EQ(real, 12.5);
    EXPECT_TRUE(parseReal(" \t+3e2x", real));
    EXPECT_DOUBLE_EQ(real, 300.0);
    EXPECT_TRUE(parseReal("-.5", real));
    EXPECT_DOUBLE_EQ(real, -0.5);
    EXPECT_TRUE(parseReal("7.", real));
    EXPECT_DOUBLE_EQ(real, 7.0);

    int integer = -1;
    EXPECT_TRUE(parseInt("  42px", integer));
    EXPECT_EQ(integer, 42);
    EXPECT_TRUE(parseInt("+7", integer));
    EXPECT_EQ(integer, 7);
    EXPECT_TRUE(parseInt("-2147483648", integer));
    EXPECT_EQ(integer, std::numeric_limits<int>::min());
    EXPECT_TRUE(parseInt("12.9", integer));
    EXPECT_EQ(integer, 12);
}

TEST(NumberFormat, ParsingRejectsWhatIsNoNumberOrOutOfRange)
{
    double real = 5.0;
    for (const char* bad : {"", "abc", "-", "+-1", "++1", ".", "1e999", "-1e999", "nan", "inf", "e5"}) {
        EXPECT_FALSE(parseReal(bad, real)) << bad;
        EXPECT_DOUBLE_EQ(real, 5.0) << bad;
    }
    int integer = 5;
    for (const char* bad : {"", "x1", "-", "+-1", "2147483648", "-2147483649", "99999999999999999999", ".5"}) {
        EXPECT_FALSE(parseInt(bad, integer)) << bad;
        EXPECT_EQ(integer, 5) << bad;
    }
    EXPECT_FALSE(parseInt(std::string_view("\0" "12", 3), integer));
}

TEST(XmlText, EscapingRoundTripsAndLeavesApostrophes)
{
    std::string out;
    appendEscaped(out, "a<b & \"c\" > 'd'");
    EXPECT_EQ(out, "a&lt;b &amp; &quot;c&quot; &gt; 'd'");
    EXPECT_EQ(unescapeXml(out), "a<b & \"c\" > 'd'");
    // One pass: an escaped reference stays a reference.
    EXPECT_EQ(unescapeXml("&amp;lt; &amp;amp; &apos; & &l"), "&lt; &amp; &apos; & &l");
}

TEST(XmlText, AttributesAreFoundByTheirWholeName)
{
    const std::string line = "<helix xid=\"9\" id=\"4\" cx=\"1\" cxy=\"2\" open=\"x";
    EXPECT_EQ(rawAttribute(line, "id"), "4");
    EXPECT_EQ(rawAttribute(line, "cx"), "1");
    EXPECT_EQ(rawAttribute(line, "cy"), "");
    EXPECT_EQ(rawAttribute(line, "open"), "");
    EXPECT_EQ(rawAttribute("<a id=\"1\" id=\"2\"/>", "id"), "1");
}

TEST(XmlText, LineFieldsReportTheFirstBadNumberWithLineAndName)
{
    std::string error;
    XmlLine xml("<piece id=\"3\" x=\"1.5\" y=\"\" heading=\"zz\" visible=\"yes\" sel=\"true\"/>", 12, error);
    int id = 0;
    double x = 0.0, y = 9.0, heading = 0.0, z = 4.0;
    EXPECT_TRUE(xml.requiredInt("id", id));
    EXPECT_TRUE(xml.requiredReal("x", x));
    EXPECT_TRUE(xml.optionalReal("z", z));
    EXPECT_DOUBLE_EQ(z, 4.0);
    EXPECT_TRUE(xml.optionalReal("y", y));
    EXPECT_DOUBLE_EQ(y, 9.0);
    EXPECT_TRUE(xml.ok());
    EXPECT_FALSE(xml.requiredReal("heading", heading));
    EXPECT_EQ(error, "Line 12: bad number in attribute \"heading\"");
    EXPECT_FALSE(xml.requiredReal("y", y));
    EXPECT_EQ(error, "Line 12: bad number in attribute \"heading\"");
    EXPECT_TRUE(xml.flagDefaultOn("visible"));
    EXPECT_FALSE(xml.flag("sel"));

    std::string missing;
    XmlLine empty("<label id=\"\"/>", 3, missing);
    EXPECT_FALSE(empty.requiredInt("id", id));
    EXPECT_EQ(missing, "Line 3: missing number in attribute \"id\"");

    std::string range;
    XmlLine huge("<label id=\"1000000001\"/>", 4, range);
    EXPECT_FALSE(huge.requiredId("id", id));
    EXPECT_EQ(range, "Line 4: id out of range in attribute \"id\"");
}

} // namespace
} // namespace layrail
