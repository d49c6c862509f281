#include <gtest/gtest.h>

#include <filesystem>

#include "platform/TextRenderer.h"

using namespace morvek;

namespace {

constexpr const char* kLoading = "NOW LOADING・・・";

struct InkBox {
    int32_t left = INT32_MAX, top = INT32_MAX, right = INT32_MIN, bottom = INT32_MIN;
    int count = 0;
};

/// Bounding box of the pixels that are not `background`.
InkBox inkBox(const Surface8& s, uint8_t background) {
    InkBox b;
    for (int32_t y = 0; y < s.height(); ++y)
        for (int32_t x = 0; x < s.width(); ++x)
            if (s.at(x, y) != background) {
                b.left = std::min(b.left, x);
                b.top = std::min(b.top, y);
                b.right = std::max(b.right, x + 1);
                b.bottom = std::max(b.bottom, y + 1);
                ++b.count;
            }
    return b;
}

class TextRendererTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(MORVEK_FONT_PATH)) GTEST_SKIP() << "font not installed";
        text_ = std::make_unique<TextRenderer>();
        text_->setFont(12, false);
    }
    std::unique_ptr<TextRenderer> text_;
};

}  // namespace

TEST(TextRendererErrors, AFontThatCannotBeOpenedIsNamed) {
    const std::string path = "/nonexistent/fonts/nothere.ttf";
    try {
        TextRenderer t(path);
        FAIL() << "expected PlatformError";
    } catch (const PlatformError& e) {
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
}

TEST_F(TextRendererTest, LoadingTextInksOnlyItsIndexInsideItsBox) {
    Surface8 s(640, 480);
    s.fill(7);
    text_->draw(s, 100, 50, kLoading, 253);
    const InkBox b = inkBox(s, 7);
    ASSERT_GT(b.count, 100);
    for (int32_t y = 0; y < s.height(); ++y)
        for (int32_t x = 0; x < s.width(); ++x)
            ASSERT_TRUE(s.at(x, y) == 7 || s.at(x, y) == 253) << x << "," << y;
    // 12 points at 96 DPI is a 16-pixel em: eleven half-width characters and three
    // full-width dots make a line box of 136 x 16 from the top-left at (100, 50).
    EXPECT_GE(b.left, 100);
    EXPECT_LE(b.left, 102);
    EXPECT_GE(b.top, 50);
    EXPECT_LE(b.right, 100 + 136);
    EXPECT_GT(b.right, 100 + 88);  // the dots are drawn, not dropped
    EXPECT_LE(b.bottom, 50 + 16);
    EXPECT_GT(b.bottom - b.top, 8);
}

TEST_F(TextRendererTest, ClippingAtEachEdgeKeepsTheVisiblePartAndWritesNothingElse) {
    Surface8 ref(300, 100);
    text_->draw(ref, 50, 40, kLoading, 1);

    // Right edge: a 40-wide surface with the text starting at x = 30. Any write past a
    // row's end would land at the start of the next row.
    Surface8 right(40, 100);
    text_->draw(right, 30, 40, kLoading, 1);
    for (int32_t y = 0; y < 100; ++y)
        for (int32_t x = 0; x < 40; ++x)
            ASSERT_EQ(right.at(x, y), x < 30 ? 0 : ref.at(x - 30 + 50, y)) << x << "," << y;

    // Left and top edges: the visible part is the reference shifted.
    Surface8 leftTop(300, 100);
    text_->draw(leftTop, -20, -5, kLoading, 1);
    for (int32_t y = 0; y < 55; ++y)
        for (int32_t x = 0; x < 230; ++x)
            ASSERT_EQ(leftTop.at(x, y), ref.at(x + 70, y + 45)) << x << "," << y;

    // Bottom edge: only the rows above the last one.
    Surface8 bottom(300, 46);
    text_->draw(bottom, 50, 40, kLoading, 1);
    for (int32_t y = 0; y < 46; ++y)
        for (int32_t x = 0; x < 300; ++x) ASSERT_EQ(bottom.at(x, y), ref.at(x, y)) << x << "," << y;

    // Wholly outside, even far away: nothing, and no failure.
    Surface8 none(300, 100);
    text_->draw(none, -100000, 10, kLoading, 1);
    text_->draw(none, 300, 10, kLoading, 1);
    text_->draw(none, 10, INT32_MAX, kLoading, 1);
    text_->draw(none, INT32_MIN, INT32_MIN, kLoading, 1);
    EXPECT_EQ(inkBox(none, 0).count, 0);
}

TEST_F(TextRendererTest, ItalicAndSizeChangeTheInk) {
    Surface8 upright(300, 100), italic(300, 100), big(300, 100);
    text_->draw(upright, 10, 10, kLoading, 1);
    text_->setFont(12, true);
    text_->draw(italic, 10, 10, kLoading, 1);
    bool differ = false;
    for (int32_t y = 0; y < 100 && !differ; ++y)
        for (int32_t x = 0; x < 300 && !differ; ++x) differ = upright.at(x, y) != italic.at(x, y);
    EXPECT_TRUE(differ);

    text_->setFont(24, false);
    text_->draw(big, 10, 10, kLoading, 1);
    const InkBox small = inkBox(upright, 0), large = inkBox(big, 0);
    EXPECT_GT(large.bottom - large.top, small.bottom - small.top + 8);
    EXPECT_GT(large.right - large.left, small.right - small.left + 60);
}

TEST_F(TextRendererTest, EmptyStringDrawsNothing) {
    Surface8 s(100, 40);
    s.fill(3);
    text_->draw(s, 0, 0, "", 9);
    EXPECT_EQ(inkBox(s, 3).count, 0);
}
