#include <functional>
#include <memory>
#include <vector>

#include <QImage>
#include <QPalette>
#include <QWidget>

#include <gtest/gtest.h>

#include "support/NamedRows.h"
#include "ui/Panels.h"

namespace {

using trimerka::Bevel;
using trimerka::BevelPanel;
using trimerka::EtchedLine;
using trimerka::FramedPanel;
using trimerka::SunkenLabel;
using trimerka::rows::PrintTo;

const QColor kFill(10, 20, 30);

// The palette's light and shadow colours, and the panel's own fill.
enum class Tone { Light, Shadow, Fill };

struct Pixel {
    int x;
    int y;
    Tone tone;
};

// A panel of the given size and the tones of some of its pixels. Each panel owns which edge the corner pixels
// belong to, so the windows keep their exact look.
struct PanelCase {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> make;
    QSize size;
    std::vector<Pixel> pixels;
};

class PanelPixels : public ::testing::TestWithParam<PanelCase> {};

TEST_P(PanelPixels, BevelEdgesAndCornersTakeTheirTones) {
    const PanelCase& c = GetParam();
    std::unique_ptr<QWidget> panel = c.make();
    panel->resize(c.size);
    const QImage image = panel->grab().toImage();
    const QPalette palette = panel->palette();
    ASSERT_NE(palette.color(QPalette::Light), palette.color(QPalette::Mid)) << "the tones must tell apart";
    for (const Pixel& p : c.pixels) {
        const QColor expected = p.tone == Tone::Light    ? palette.color(QPalette::Light)
                                : p.tone == Tone::Shadow ? palette.color(QPalette::Mid)
                                                         : kFill;
        EXPECT_EQ(QColor(image.pixel(p.x, p.y)), QColor(expected.rgb())) << "(" << p.x << ", " << p.y << ")";
    }
}

std::unique_ptr<QWidget> bevelPanel(Bevel bevel) {
    return std::make_unique<BevelPanel>(bevel, kFill, QString(), nullptr);
}

constexpr Tone L = Tone::Light;
constexpr Tone S = Tone::Shadow;
constexpr Tone F = Tone::Fill;

INSTANTIATE_TEST_SUITE_P(
    Table, PanelPixels,
    ::testing::Values(
        PanelCase{"raised_panel_keeps_the_top_right_corner_light",
                  [] { return bevelPanel(Bevel::Raised); },
                  {10, 8},
                  {{0, 0, L}, {9, 0, L}, {0, 4, L}, {0, 7, S}, {9, 7, S}, {9, 4, S}, {5, 4, F}}},
        PanelCase{"sunken_panel_keeps_the_top_right_corner_shadowed",
                  [] { return bevelPanel(Bevel::Sunken); },
                  {10, 8},
                  {{0, 0, S}, {9, 0, S}, {0, 4, S}, {0, 7, L}, {9, 7, L}, {9, 4, L}, {5, 4, F}}},
        PanelCase{"sunken_label_gives_the_top_right_corner_to_the_right_edge",
                  [] { return std::make_unique<SunkenLabel>(); },
                  {10, 8},
                  {{0, 0, S}, {8, 0, S}, {9, 0, L}, {0, 6, S}, {0, 7, L}, {9, 7, L}, {9, 4, L}}},
        PanelCase{"framed_panel_has_a_raised_outer_and_a_sunken_inner_bevel",
                  [] { return std::make_unique<FramedPanel>(kFill, nullptr); },
                  {10, 8},
                  {{0, 0, L}, {9, 0, S}, {0, 7, S}, {1, 1, S}, {8, 1, L}, {1, 6, L}, {5, 4, F}}},
        PanelCase{"etched_line_is_a_shadow_row_above_a_light_row",
                  [] { return std::make_unique<EtchedLine>(); },
                  {10, 2},
                  {{0, 0, S}, {9, 0, S}, {0, 1, L}, {9, 1, L}}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
