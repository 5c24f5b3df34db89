#include "propertybag.h"

#include <gtest/gtest.h>

#include <stdexcept>

using platform::PropertyBag;

TEST(PropertyBag, MissingKeysAndDefaultValuesReadAsTheirDefault)
{
    PropertyBag bag;
    EXPECT_EQ(bag.ReadProperty("RGBColor", 7), 7);
    bag.WriteProperty("RGBColor", 0, 0);
    bag.WriteProperty("SizeFactor", 4, 4);
    EXPECT_TRUE(bag.empty()) << "values equal to their default are not stored";
    bag.WriteProperty("SizeFactor", 1, 4);
    EXPECT_EQ(bag.ReadProperty("SizeFactor", 4), 1);
    bag.WriteProperty("SizeFactor", 4, 4);
    EXPECT_FALSE(bag.Contains("SizeFactor")) << "writing the default again drops the stored value";
}

TEST(PropertyBag, TextFormRoundTrips)
{
    PropertyBag bag;
    bag.WriteProperty("RGBColor", -2147483647 - 1, 0);
    bag.WriteProperty("SizeFactor", 1, 4);
    EXPECT_EQ(bag.ToText(), "RGBColor = -2147483648\nSizeFactor = 1\n");
    const PropertyBag back = PropertyBag::FromText(bag.ToText());
    EXPECT_EQ(back.ReadProperty("RGBColor", 0), -2147483647 - 1);
    EXPECT_EQ(back.ReadProperty("SizeFactor", 4), 1);
    EXPECT_EQ(PropertyBag::FromText("\n  SizeFactor=2  \r\n").ReadProperty("SizeFactor", 4), 2);
}

TEST(PropertyBag, MalformedTextIsRejected)
{
    for (const char* text : {"SizeFactor", "SizeFactor = ", "= 3", "SizeFactor = 3x", "SizeFactor = 99999999999",
                             "A = 1\nA = 2"})
        EXPECT_THROW(PropertyBag::FromText(text), std::invalid_argument) << text;
}
