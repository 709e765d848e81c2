#include "frame/form_layout.h"

#include <gtest/gtest.h>

namespace frame {
namespace {

constexpr std::string_view kLayout = R"(; a stored window
[cmdSwitch]
control={01234567-89AB-CDEF-0123-456789ABCDEF} Sleekon.SleekonControl
rect=55, 28, 32, 32
backcolor=i4:16774655
enabled=bool:False
picture=bitmap:START
_extentx=i4:847

[imgBanner]
image=TITLE
rect=3,2,78,15
)";

TEST(FormLayoutTest, ReadsControlsWithTheirBagsAndImages) {
    const LayoutParse parse = ParseFormLayout(kLayout);
    ASSERT_TRUE(parse.layout) << parse.error.line << ": " << parse.error.message;
    ASSERT_EQ(parse.layout->items.size(), 2u);

    const LayoutItem& status = *parse.layout->Find("cmdSwitch");
    EXPECT_EQ(status.kind, LayoutItem::Kind::Control);
    EXPECT_EQ(status.classId, "{01234567-89AB-CDEF-0123-456789ABCDEF}");
    EXPECT_EQ(status.progId, "Sleekon.SleekonControl");
    EXPECT_EQ(std::tie(status.left, status.top, status.width, status.height),
              std::make_tuple(55, 28, 32, 32));
    ASSERT_EQ(status.bag.size(), 4u);
    EXPECT_EQ(status.bag[0].name, "backcolor");
    EXPECT_EQ(status.bag[0].number, 16774655);
    EXPECT_EQ(status.bag[1].type, BagEntry::Type::Bool);
    EXPECT_EQ(status.bag[1].number, 0);
    EXPECT_EQ(status.bag[2].type, BagEntry::Type::Bitmap);
    EXPECT_EQ(status.bag[2].text, "START");

    const LayoutItem& title = *parse.layout->Find("imgBanner");
    EXPECT_EQ(title.kind, LayoutItem::Kind::Image);
    EXPECT_EQ(title.bitmap, "TITLE");
    EXPECT_EQ(title.width, 78);
    EXPECT_EQ(parse.layout->Find("cmdBack"), nullptr);
}

struct BadLayout {
    const char* text;
    int line;
};

class BadLayoutTest : public ::testing::TestWithParam<BadLayout> {};

TEST_P(BadLayoutTest, NamesTheLineOfTheFirstError) {
    const LayoutParse parse = ParseFormLayout(GetParam().text);
    EXPECT_FALSE(parse.layout) << GetParam().text;
    EXPECT_EQ(parse.error.line, GetParam().line) << GetParam().text << parse.error.message;
    EXPECT_FALSE(parse.error.message.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Errors, BadLayoutTest,
    ::testing::Values(BadLayout{"rect=1,2,3,4\n", 1}, BadLayout{"[a]\nrect=1,2,3\nimage=X\n", 2},
                      BadLayout{"[a]\nimage=X\nrect=1,2,3,-4\n", 3},
                      BadLayout{"[a]\ncontrol=notaguid\n", 2},
                      BadLayout{"[a]\nimage=X\nbackcolor=i4:1\n", 3},
                      BadLayout{"[a]\ncontrol={01234567-89AB-CDEF-0123-456789ABCDEF}\nx=i4:z\n", 3},
                      BadLayout{"[a]\ncontrol={01234567-89AB-CDEF-0123-456789ABCDEF}\nx=f:1\n", 3},
                      BadLayout{"[a]\nimage=X\n\n", 3}, BadLayout{"[a]\nrect=1,2,3,4\n[b]\n", 3},
                      BadLayout{"[a]\nimage=X\nrect=1,1,1,1\n[a]\n", 4}, BadLayout{"[a\n", 1},
                      BadLayout{"[a]\njunk\n", 2}));

TEST(FormLayoutTest, AcceptsCrLfLineEnds) {
    const LayoutParse parse = ParseFormLayout("[a]\r\nimage=X\r\nrect=1, 2, 3, 4\r\n");
    ASSERT_TRUE(parse.layout);
    EXPECT_EQ(parse.layout->items[0].bitmap, "X");
    EXPECT_EQ(parse.layout->items[0].height, 4);
}

}  // namespace
}  // namespace frame
