#include "core/module1.h"
#include "display/screen_waveform_drawing.h"
#include "line_recorder.h"

#include <gtest/gtest.h>

namespace {

TEST(PlotFrame, TheWindowIsShownThenTwentyLeftTicksFiveBottomTicksAndFourZeroLines) {
    std::vector<PlotLine> frame;
    for (float y = 100; y >= 5; y -= 5) {
        frame.push_back({0, y, 0.2f, y, std::nullopt});
    }
    for (float x : {0, 25, 50, 75, 100}) {
        frame.push_back({x, 0, x, 0.5f, std::nullopt});
    }
    frame.push_back({0, 80, 100, 80, Color{255, 0, 0}});
    frame.push_back({0, 70, 100, 70, Color{0, 255, 0}});
    frame.push_back({0, 50, 100, 50, Color{0, 0, 255}});
    frame.push_back({0, 0.1f, 100, 0.1f, Color{0, 255, 255}});
    LineRecorder surface;
    Module1 m;
    ScreenWaveformDrawing(surface).showAndDrawFrame(m);
    EXPECT_EQ(surface.shownAfter, std::vector<std::size_t>{0});
    EXPECT_EQ(surface.lines.size(), 29u);
    EXPECT_EQ(surface.lines, frame);
}

} // namespace
