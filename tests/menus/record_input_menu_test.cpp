// The name entry: typing rules, keys, pointer, qualifying ranks and what OK and Cancel store.
#include "menus/record_input_menu.h"

#include <gtest/gtest.h>

#include "core/app_state.h"
#include "core/saved_files.h"
#include "tests/core/temp_program_folder.h"

namespace {

enum : int { kEsc = 1, kDigit1 = 2, kMinus = 12, kBackspace = 14, kQ = 16, kEnter = 28, kA = 30, kL = 38,
             kZ = 44, kM = 50, kSpace = 57, kUp = 200, kLeft = 203, kRight = 205, kDown = 208 };

class RecordInputMenuTest : public ::testing::Test {
protected:
    TempProgramFolder folder;
    int32_t score = 0;
    int difficulty = 1;
    int hoverSounds = 0;
    int sendQuestions = 0;
    TRecordInputMenu menu{TRecordInputMenu::Hooks{
        [this] { return score; }, [this] { return difficulty; }, [this] { ++sendQuestions; },
        [this] { ++hoverSounds; }}};

    void SetUp() override {
        Saved.settings = Settings{};
        Saved.settings.lastCountry.Assign("Narnia");
        Saved.records = SavedFiles::DefaultRecords();  // rank r scores (11 - r) x 100
        ASSERT_TRUE(Saved.SaveRecords());
        AppState = StateRace;
        menu.nameText.clear();
        menu.Init();
    }

    void Press(int code, bool shift = false) { menu.HandleKey(code, shift); }
    void TypeText(const std::string& lowercase) {
        for (char c : lowercase) Press(CodeOf(c));
    }
    static int CodeOf(char c) {
        const std::string top = "qwertyuiop", home = "asdfghjkl", bottom = "zxcvbnm";
        if (top.find(c) != std::string::npos) return 16 + int(top.find(c));
        if (home.find(c) != std::string::npos) return 30 + int(home.find(c));
        return 44 + int(bottom.find(c));
    }
    // Qualifies with `raceScore` and puts the focus on the name field.
    void Open(int32_t raceScore) {
        score = raceScore;
        ASSERT_TRUE(menu.Qualify(raceScore));
        Press(kEnter);  // selection 1 after Init: into the name field
        ASSERT_EQ(AppState, StateNameEntryName);
    }
};

TEST_F(RecordInputMenuTest, AnEqualScoreStaysAboveTheNewOne) {
    // Rank 5 holds 600, rank 6 holds 500.
    score = 600;
    ASSERT_TRUE(menu.Qualify(600));
    EXPECT_EQ(menu.InsertRank(), 6);
    EXPECT_EQ(AppState, StateNameEntry);
    EXPECT_EQ(menu.countryText, "Narnia");
    for (const TSpriteFlatButton& button : menu.buttons) EXPECT_TRUE(button.enabled);

    EXPECT_TRUE(menu.Qualify(601));
    EXPECT_EQ(menu.InsertRank(), 5);
    EXPECT_TRUE(menu.Qualify(5000));
    EXPECT_EQ(menu.InsertRank(), 1);
}

TEST_F(RecordInputMenuTest, RankTenIsReachedOnlyByAHigherScore) {
    EXPECT_FALSE(menu.Qualify(100)) << "equal to rank 10";
    EXPECT_EQ(menu.InsertRank(), 0);
    EXPECT_EQ(AppState, StateRace) << "the caller returns to the menu itself";
    for (const TSpriteFlatButton& button : menu.buttons) EXPECT_FALSE(button.enabled);

    EXPECT_TRUE(menu.Qualify(101));
    EXPECT_EQ(menu.InsertRank(), 10);
}

TEST_F(RecordInputMenuTest, QualifyUsesTheCurrentDifficultysTable) {
    for (int r = 0; r < 10; ++r) Saved.records[2][r].score = 9000 - 100 * r;  // Hard: 9000 down to 8100
    difficulty = 2;
    EXPECT_FALSE(menu.Qualify(4000));
    difficulty = 0;
    EXPECT_TRUE(menu.Qualify(4000));
}

TEST_F(RecordInputMenuTest, TypingTakesTenLettersWithShiftForCapitals) {
    Open(700);
    Press(kA);
    Press(kA, true);
    Press(kQ, true);
    Press(kM);
    Press(kZ);
    Press(kL);
    EXPECT_EQ(menu.nameText, "aAQmzl");
    Press(kDigit1);
    Press(kSpace);
    Press(kMinus);
    EXPECT_EQ(menu.nameText, "aAQmzl") << "digits, blanks and punctuation are not typed";
    TypeText("qwer");
    EXPECT_EQ(menu.nameText, "aAQmzlqwer");
    Press(kA, true);
    EXPECT_EQ(menu.nameText, "aAQmzlqwer") << "an eleventh letter is ignored";
    Press(kBackspace);
    EXPECT_EQ(menu.nameText, "aAQmzlqwe");
}

TEST_F(RecordInputMenuTest, BackspaceOnAnEmptyFieldDoesNothing) {
    Open(700);
    Press(kBackspace);
    EXPECT_EQ(menu.nameText, "");
    EXPECT_EQ(AppState, StateNameEntryName);
    TypeText("x");
    Press(kBackspace);
    Press(kBackspace);
    EXPECT_EQ(menu.nameText, "");
}

TEST_F(RecordInputMenuTest, EnterMovesFromNameToCountryToOkWithoutStoring) {
    const std::vector<uint8_t> before = folder.Read("data/records.dat");
    Open(700);
    TypeText("bob");
    Press(kEnter);
    EXPECT_EQ(AppState, StateNameEntryCountry);
    EXPECT_EQ(menu.selection, 2);
    EXPECT_FALSE(menu.blinkOn);
    Press(kBackspace);
    Press(kA);
    EXPECT_EQ(menu.countryText, "Narnia") << "six letters, then one off and one on";
    EXPECT_EQ(menu.nameText, "bob");
    Press(kEnter);
    EXPECT_EQ(AppState, StateNameEntry);
    EXPECT_EQ(menu.selection, 3);
    EXPECT_EQ(folder.Read("data/records.dat"), before);
    EXPECT_EQ(sendQuestions, 0);
}

TEST_F(RecordInputMenuTest, ConfirmRewritesTheRecordsFileAndKeepsTheCountryInMemory) {
    const std::vector<uint8_t> before = folder.Read("data/records.dat");
    ASSERT_EQ(before.size(), 480u);
    Open(600);  // rank 6 of table 1
    TypeText("ann");
    Press(kEnter);
    for (int i = 0; i < 6; ++i) Press(kBackspace);
    TypeText("xy");
    Press(kEnter);
    Press(kEnter);  // OK

    EXPECT_EQ(AppState, StateSendResultAsk);
    EXPECT_EQ(sendQuestions, 1);
    for (const TSpriteFlatButton& button : menu.buttons) EXPECT_FALSE(button.enabled);
    EXPECT_EQ(Saved.settings.lastCountry.Text(), "xy");
    EXPECT_FALSE(folder.Exists("data/settings.dat")) << "the settings file is not written";

    std::vector<uint8_t> expected = before;
    const size_t table = 160, entry = 16;
    // Ranks 6..9 of table 1 move to 7..10; the old rank 10 is lost.
    for (int rank = 10; rank > 6; --rank) {
        std::copy_n(before.begin() + table + entry * (rank - 2), entry, expected.begin() + table + entry * (rank - 1));
    }
    // Rank 6: length 3, "ann" over the old "Anonymous1" (the rest of its bytes stay), score 600.
    const std::vector<uint8_t> rank6 = {3, 'a', 'n', 'n', 'n', 'y', 'm', 'o', 'u', 's', '1', 0, 0x58, 0x02, 0, 0};
    std::copy(rank6.begin(), rank6.end(), expected.begin() + table + entry * 5);
    EXPECT_EQ(folder.Read("data/records.dat"), expected);
}

TEST_F(RecordInputMenuTest, CancelLeavesTheTableAndTheFileUnchanged) {
    const std::vector<uint8_t> before = folder.Read("data/records.dat");
    const RecordTables tables = Saved.records;
    Open(900);
    TypeText("eve");
    Press(kEnter);
    TypeText("q");
    Press(kEsc);
    EXPECT_EQ(AppState, StateMainMenu);
    EXPECT_EQ(folder.Read("data/records.dat"), before);
    EXPECT_EQ(Saved.records, tables);
    EXPECT_EQ(Saved.settings.lastCountry.Text(), "Narnia");
    EXPECT_EQ(sendQuestions, 0);
    for (const TSpriteFlatButton& button : menu.buttons) EXPECT_FALSE(button.enabled);
    EXPECT_EQ(menu.nameText, "eve") << "the name is kept for the next game";
}

TEST_F(RecordInputMenuTest, MoveSelectionStopsAtTheEndsAndSetsTheState) {
    menu.selection = 1;
    menu.MoveSelection(true);
    EXPECT_EQ(menu.selection, 1);
    EXPECT_EQ(AppState, StateNameEntryName);
    menu.MoveSelection(false);
    EXPECT_EQ(menu.selection, 2);
    EXPECT_EQ(AppState, StateNameEntryCountry);
    menu.MoveSelection(false);
    EXPECT_EQ(menu.selection, 3);
    EXPECT_EQ(AppState, StateNameEntry);
    menu.MoveSelection(false);
    EXPECT_EQ(menu.selection, 4);
    menu.MoveSelection(false);
    EXPECT_EQ(menu.selection, 4);
    EXPECT_EQ(AppState, StateNameEntry);
    menu.MoveSelection(true);
    EXPECT_EQ(menu.selection, 3);
    menu.MoveSelection(true);
    EXPECT_EQ(menu.selection, 2);
    EXPECT_EQ(AppState, StateNameEntryCountry);
}

TEST_F(RecordInputMenuTest, LeftAndRightOnlyMoveBetweenOkAndCancel) {
    score = 700;
    ASSERT_TRUE(menu.Qualify(700));
    menu.selection = 1;
    Press(kRight);
    Press(kLeft);
    EXPECT_EQ(menu.selection, 1);
    EXPECT_EQ(hoverSounds, 0);
    menu.selection = 3;
    Press(kLeft);
    EXPECT_EQ(menu.selection, 3);
    Press(kRight);
    EXPECT_EQ(menu.selection, 4);
    Press(kRight);
    EXPECT_EQ(menu.selection, 4);
    Press(kLeft);
    EXPECT_EQ(menu.selection, 3);
    EXPECT_EQ(hoverSounds, 2);
    Press(kUp);
    Press(kUp);
    EXPECT_EQ(AppState, StateNameEntryName);
    EXPECT_EQ(hoverSounds, 4);
    Press(kDown);
    EXPECT_EQ(AppState, StateNameEntryCountry) << "Down moves out of a field instead of typing";
    EXPECT_EQ(menu.countryText, "Narnia");
}

TEST_F(RecordInputMenuTest, EnterOnTheButtonsOpensFieldsOrCancels) {
    score = 700;
    ASSERT_TRUE(menu.Qualify(700));
    menu.selection = 2;
    Press(kEnter);
    EXPECT_EQ(AppState, StateNameEntryCountry);
    AppState = StateNameEntry;
    menu.selection = 4;
    Press(kEnter);
    EXPECT_EQ(AppState, StateMainMenu);
}

TEST_F(RecordInputMenuTest, HoveringTheFieldsSwitchesTheTypingTarget) {
    score = 700;
    ASSERT_TRUE(menu.Qualify(700));
    menu.blinkOn = false;
    menu.Hover(0.0, -3.0);  // country field
    EXPECT_EQ(menu.selection, 2);
    EXPECT_EQ(AppState, StateNameEntryCountry);
    EXPECT_TRUE(menu.blinkOn);
    EXPECT_EQ(hoverSounds, 1);
    menu.Hover(5.0, -2.5);  // still the country field
    EXPECT_EQ(hoverSounds, 1) << "no sound without a change of selection";
    Press(kA, true);
    EXPECT_EQ(menu.countryText, "NarniaA");

    menu.Hover(-6.4, 0.0);  // on the name field's left edge: outside
    EXPECT_EQ(menu.selection, 2);
    menu.Hover(-6.39, 0.0);
    EXPECT_EQ(AppState, StateNameEntryName);
    menu.Hover(3.0, -5.0);  // Cancel
    EXPECT_EQ(menu.selection, 4);
    EXPECT_EQ(AppState, StateNameEntry);
    EXPECT_EQ(hoverSounds, 3);
    menu.Hover(0.5, -5.0);  // between OK and Cancel
    EXPECT_EQ(menu.selection, 4);
}

TEST_F(RecordInputMenuTest, ClickingOkConfirmsAndClickingCancelLeaves) {
    score = 650;
    ASSERT_TRUE(menu.Qualify(650));
    menu.Click(0.0, 0.0);
    EXPECT_EQ(AppState, StateNameEntryName);
    EXPECT_EQ(hoverSounds, 0) << "selection 1 was already selected";
    TypeText("al");
    menu.Click(-2.0, -5.0);  // OK
    EXPECT_EQ(AppState, StateSendResultAsk);
    EXPECT_EQ(hoverSounds, 1);
    EXPECT_EQ(Saved.records[1][4].name.Text(), "al") << "650 enters above the 600 of rank 5";
    EXPECT_EQ(Saved.records[1][4].score, 650);
    EXPECT_EQ(Saved.records[1][5].score, 600);
    menu.Click(3.0, -5.0);
    EXPECT_EQ(AppState, StateSendResultAsk) << "hidden buttons take no clicks";

    ASSERT_TRUE(menu.Qualify(650));
    menu.Click(3.0, -5.0);  // Cancel
    EXPECT_EQ(AppState, StateMainMenu);
}

}  // namespace
