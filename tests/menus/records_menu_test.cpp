// The high-score screen: moves between the tabs and the bottom buttons, the printed lines at
// their edges and only in AppState 12, and the panel sliding with its buttons off.
#include "menus/records_menu.h"

#include <climits>

#include "core/app_state.h"
#include "core/saved_files.h"
#include "side_panel_fixture.h"

namespace {

enum : int { kEsc = 1, kEnter = 28, kUp = 200, kLeft = 203, kRight = 205, kDown = 208 };

RecordEntry Entry(std::string_view name, int32_t score) {
    RecordEntry entry;
    entry.name.Assign(name);
    entry.score = score;
    return entry;
}

class RecordsMenuTest : public SidePanelTest {
protected:
    std::vector<uint8_t> opened;
    int clearQuestions = 0;
    int worldPages = 0;
    TRecordsMenu menu{{[this](uint8_t target) { opened.push_back(target); }, [this] { ++clearQuestions; },
                       [this] { ++worldPages; }}};

    void SetUp() override {
        SidePanelTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        Saved.records = SavedFiles::DefaultRecords();
        menu.Init();
        AppState = StateRecords;
        menu.Enter();
        menu.Update();
    }
    uint8_t From(uint8_t selection, int key) {
        menu.selection = selection;
        menu.HandleKey(key);
        return menu.selection;
    }
};

TEST_F(RecordsMenuTest, UpFromTheBottomButtonsGoesToTheEasyTab) {
    menu.table = 2;
    EXPECT_EQ(From(1, kUp), 3);
    EXPECT_EQ(From(2, kUp), 3);
    EXPECT_EQ(From(5, kDown), 2);
    EXPECT_EQ(From(3, kLeft), 3);
    EXPECT_EQ(From(2, kLeft), 1);
    EXPECT_EQ(From(1, kRight), 2);
    EXPECT_EQ(From(4, kRight), 5);
    EXPECT_EQ(From(5, kRight), 5);
    EXPECT_EQ(menu.table, 2) << "moving along the tabs does not change the table";

    From(4, kEnter);
    EXPECT_EQ(menu.table, 1);
    From(2, kEnter);
    From(1, kEnter);
    EXPECT_EQ(worldPages, 1);
    EXPECT_EQ(clearQuestions, 1);
    menu.slideOffset = 3;  // already leaving for the main menu: no question over it
    From(1, kEnter);
    EXPECT_EQ(clearQuestions, 1);
    From(1, kEsc);
    EXPECT_EQ(opened, std::vector<uint8_t>{StateRecords});
}

TEST_F(RecordsMenuTest, LinesKeepTheirColumnsAtTheEdges) {
    EXPECT_EQ(TRecordsMenu::RecordLine(Entry("Anonymous0", 1000)), "Anonymous0   1000");
    EXPECT_EQ(TRecordsMenu::RecordLine(Entry("bob", 42)), "       bob     42");
    EXPECT_EQ(TRecordsMenu::RecordLine(Entry("", 999999)), "           999999");
    EXPECT_EQ(TRecordsMenu::RecordLine(Entry("Anonymous", 1234567)), " Anonymous 1234567");
    EXPECT_EQ(TRecordsMenu::RecordLine(Entry("x", INT_MIN)), "         x -2147483648");
    // Bytes a damaged file may hold: a zero, a control code, a high byte; a length past 10.
    EXPECT_EQ(TRecordsMenu::RecordLine(Entry(std::string("a\0\x07\xE9", 4), 5)), "      a???      5");
    RecordEntry longName = Entry("ABCDEFGHIJ", 7);
    longName.name.length = 200;
    EXPECT_EQ(TRecordsMenu::RecordLine(longName), "ABCDEFGHIJ      7");
}

TEST_F(RecordsMenuTest, TheTableIsPrintedOnlyInItsOwnState) {
    Saved.records[1][9] = Entry("last", 12);
    menu.Click(6.5, 4.0);  // the Medium tab
    ASSERT_EQ(menu.table, 1);
    iPrintsHide();
    menu.Update();
    ASSERT_EQ(Printed().size(), 10u);
    EXPECT_EQ(Printed()[0].text, "Anonymous1   1000");
    EXPECT_EQ(Printed()[9].text, "      last     12");
    EXPECT_FLOAT_EQ(Printed()[9].location.y, 1.7f - 0.96f * 9);
    EXPECT_FLOAT_EQ(Printed()[0].location.x, 2.7f);
    EXPECT_EQ(Printed()[0].color[2], 0.0f) << "yellow";
    EXPECT_TRUE(Shown(menu.images[2]) && !Shown(menu.images[1]) && !Shown(menu.images[3]));
    for (int i = 0; i < 50; ++i) menu.Update();
    const test_support::Picture rest = Shoot("records-rest");

    menu.slideOffset = 25;  // leaving, still AppState 12: the text goes with the panel
    iPrintsHide();
    menu.Update();
    ASSERT_EQ(Printed().size(), 10u);
    EXPECT_FLOAT_EQ(Printed()[0].location.x, 12.7f);
    for (const TMeshFlatButton& button : menu.buttons) EXPECT_FALSE(button.enabled);
    menu.Click(1.9, 4.0);
    EXPECT_EQ(menu.table, 1);
    const test_support::Picture halfWay = Shoot("records-half-way");
    iPrintsHide();
    menu.HideAll();
    ExpectPanelSlid(rest, halfWay, Shoot("records-background"), -2.5, -0.7);

    // The clearing question answered No hides the panel in place; it shows again.
    menu.slideOffset = 0;
    AppState = StateClearRecordsConfirm;
    menu.Update();
    EXPECT_TRUE(Printed().empty()) << "no table under the question";
    EXPECT_TRUE(Shown(menu.images[0]) && Shown(menu.images[2]) && Shown(menu.buttons[0].base));
}

}  // namespace
