// Fitting the design onto a screen: one uniform scale, the whole design visible, the screen
// filled in one direction.
#include "core/Schermpassing.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace core;

TEST(Schermpassing, TheDesignScalesUniformlyUntilItFillsTheScreenInOneDirection)
{
    const struct {
        int breedte, hoogte;
        double schaal;
    } schermen[] = {
        {1250, 800, 1.0},  {1024, 768, 0.8192}, {1366, 768, 0.96}, {1280, 1024, 1.024}, {1920, 1080, 1.35},
        {1920, 1200, 1.5}, {2560, 1080, 1.35},  {3440, 1440, 1.8}, {3840, 2160, 2.7},   {800, 600, 0.64},
    };
    for (const auto &s : schermen) {
        const Schermpassing p = pasOntwerpOp(s.breedte, s.hoogte);
        EXPECT_NEAR(p.schaal, s.schaal, 1e-9) << s.breedte << "x" << s.hoogte;
        // The design fits whole; scaled, the area is the screen to within a pixel.
        EXPECT_GE(p.breedte, OntwerpBreedte);
        EXPECT_GE(p.hoogte, OntwerpHoogte);
        EXPECT_TRUE(p.breedte == OntwerpBreedte || p.hoogte == OntwerpHoogte) << s.breedte << "x" << s.hoogte;
        EXPECT_NEAR(p.breedte * p.schaal, s.breedte, p.schaal);
        EXPECT_NEAR(p.hoogte * p.schaal, s.hoogte, p.schaal);
    }
}
