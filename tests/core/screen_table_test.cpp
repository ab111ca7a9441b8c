// The screen table: who answers a state, the order of the walks, and one owner per state.
#include "core/screen_table.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

TEST(ScreenTable, UpdatesWalkInTheOrderAddedAndEachStateHasOneOwner) {
    std::string log;
    ScreenTable table;
    auto row = [&log](const char* name, StateSet states, StateSet updates, LoadingGroup group) {
        ScreenRow r;
        r.name = name;
        r.states = states;
        r.updateStates = updates;
        r.group = group;
        r.update = [&log, name] { log += std::string(name) + " update;"; };
        r.keys = [&log, name] { log += std::string(name) + " keys;"; };
        r.init = [&log, name] { log += std::string(name) + " init;"; };
        return r;
    };
    table.Add(row("main", {StateMainMenu}, MenuStates, LoadingGroup::MainMenu));
    table.Add(row("options", OptionStates, MenuStates, LoadingGroup::SideScreens));
    table.Add(row("name", NameEntryStates, NameEntryStates, LoadingGroup::SideScreens));

    table.Update(StateBindBrake);
    table.Keys(StateBindBrake);
    table.Keys(StateRace);  // nobody's: nothing happens
    EXPECT_EQ(log, "main update;options update;options keys;");

    log.clear();
    table.Init(LoadingGroup::SideScreens);
    EXPECT_EQ(log, "options init;name init;");

    EXPECT_THROW(table.Add(row("second options", {StateBindBossKey}, {}, LoadingGroup::SideScreens)),
                 std::logic_error);
    EXPECT_EQ(table.For(StateBindBossKey)->name, "options");
}

}  // namespace
