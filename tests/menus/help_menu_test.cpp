// The help pages: wrap-around, the arrows' first press, one page at a time, and the panel
// sliding with its buttons off and showing itself again after a rebuild.
#include "menus/help_menu.h"

#include "core/app_state.h"
#include "side_panel_fixture.h"

namespace {

enum : int { kEsc = 1, kEnter = 28, kLeft = 203, kRight = 205 };

class HelpMenuTest : public SidePanelTest {
protected:
    std::vector<uint8_t> opened;
    THelpMenu menu{{[this](uint8_t target) { opened.push_back(target); }}};

    void SetUp() override {
        SidePanelTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        menu.Init();
        AppState = StateHelp;
        menu.Enter();
        menu.Update();
    }
    int ShownPage() {
        int shown = 0;
        for (int page = 1; page <= 4; ++page) {
            if (Shown(menu.images[page + 1])) shown = shown == 0 ? page : -1;
        }
        return shown;
    }
};

TEST_F(HelpMenuTest, PagesWrapBetweenOneAndFour) {
    menu.Click(4.0, -7.0);  // HelpPrev on page 1
    EXPECT_EQ(menu.page, 4);
    menu.Update();
    EXPECT_EQ(ShownPage(), 4);
    menu.Click(9.0, -7.0);  // HelpNext on page 4
    EXPECT_EQ(menu.page, 1);
    EXPECT_EQ(menu.selection, 2);
    menu.Update();
    EXPECT_EQ(ShownPage(), 1);
}

TEST_F(HelpMenuTest, TheFirstArrowOnlyMovesTheSelection) {
    menu.HandleKey(kRight);
    EXPECT_EQ(menu.selection, 2);
    EXPECT_EQ(menu.page, 1);
    menu.HandleKey(kRight);
    EXPECT_EQ(menu.page, 2);
    menu.HandleKey(kEnter);
    EXPECT_EQ(menu.page, 3);
    menu.HandleKey(kLeft);
    EXPECT_EQ(menu.selection, 1);
    EXPECT_EQ(menu.page, 3);
    menu.HandleKey(kLeft);
    menu.HandleKey(kEnter);
    EXPECT_EQ(menu.page, 1);
    EXPECT_TRUE(opened.empty());
    menu.HandleKey(kEsc);
    EXPECT_EQ(opened, std::vector<uint8_t>{StateHelp});
}

TEST_F(HelpMenuTest, TheSlidingPanelTakesNoPointerAndComesBackAfterARebuild) {
    for (int i = 0; i < 50; ++i) menu.Update();
    const test_support::Picture rest = Shoot("help-rest");
    menu.slideOffset = 25;
    menu.Update();
    for (const TMeshFlatButton& button : menu.buttons) EXPECT_FALSE(button.enabled);
    menu.Click(4.0, -7.0);
    EXPECT_EQ(menu.page, 1);
    const test_support::Picture halfWay = Shoot("help-half-way");
    menu.HideAll();
    ExpectPanelSlid(rest, halfWay, Shoot("help-background"), -3.5, -0.7);

    // After the display is re-created: Build, HideAll while away; the slide-in shows it again.
    menu.slideOffset = 50;
    menu.Build();
    menu.HideAll();
    menu.Update();
    EXPECT_FALSE(Shown(menu.images[0]));
    menu.slideOffset = 49;
    menu.Update();
    EXPECT_TRUE(Shown(menu.images[0]) && Shown(menu.images[1]));
    EXPECT_EQ(ShownPage(), 1);
}

}  // namespace
