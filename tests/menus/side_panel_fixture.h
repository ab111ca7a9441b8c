// A headless engine on the build's generated data, with the menu camera, font 0 and the main
// menu's background, for the side panels' tests; shots are kept in screen-shots/ beside the
// test programs for a look.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/engine_instance.h"
#include "menus/mesh_flat_image.h"
#include "platform/platform.h"
#include "test_program_data.h"

class SidePanelTest : public ::testing::Test {
protected:
    // Skips when the build has no generated data.
    void SetUp() override;
    void TearDown() override;

    // The engine draws the image.
    static bool Shown(const TMeshFlatImage& image);
    // The texts printed since the last iPrintsHide.
    static const std::vector<engine::PrintedText>& Printed();
    // Draws one picture (800 x 600) and keeps it as screen-shots/<name>.png.
    test_support::Picture Shoot(const std::string& name);
    // How many pixels of the rectangle (menu units; 25 pixels a unit) differ clearly between two shots.
    static int Differing(const test_support::Picture& a, const test_support::Picture& b, double left,
                         double right, double top, double bottom);
    // A panel whose left edge rests at `left` covers a strip just inside that edge at rest
    // (y from centreY - 2 to centreY + 2); half-way out (slide offset 25: 10 units further
    // right) it leaves the strip to the background and covers the strip 10 units right.
    static void ExpectPanelSlid(const test_support::Picture& rest, const test_support::Picture& halfWay,
                                const test_support::Picture& background, double left, double centreY);

private:
    platform::WindowHandle window_ = nullptr;
    TMeshFlatImage background_;
};
