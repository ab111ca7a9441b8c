// The screen table and its walks.
#include "core/screen_table.h"

#include <stdexcept>

void ScreenTable::Add(ScreenRow row) {
    const auto index = static_cast<int16_t>(rows_.size());
    for (int state = 0; state < 256; ++state) {
        if (!row.states.Has(static_cast<uint8_t>(state))) continue;
        if (byState_[state] >= 0) {
            throw std::logic_error("AppState " + std::to_string(state) + " claimed by both " +
                                   rows_[byState_[state]].name + " and " + row.name);
        }
        byState_[state] = index;
    }
    rows_.push_back(std::move(row));
}

const ScreenRow* ScreenTable::For(uint8_t state) const {
    const int16_t index = byState_[state];
    return index < 0 ? nullptr : &rows_[index];
}

void ScreenTable::Init(LoadingGroup group) const {
    for (const ScreenRow& row : rows_) {
        if (row.group == group && row.init) row.init();
    }
}

void ScreenTable::Rebuild(LoadingGroup group) const {
    for (const ScreenRow& row : rows_) {
        if (row.group == group && row.rebuild) row.rebuild();
    }
}

void ScreenTable::Update(uint8_t state) const {
    for (const ScreenRow& row : rows_) {
        if (!row.updatesAfterRace && row.updateStates.Has(state) && row.update) row.update();
    }
}

void ScreenTable::UpdateAfterRace(uint8_t state) const {
    for (const ScreenRow& row : rows_) {
        if (row.updatesAfterRace && row.updateStates.Has(state) && row.update) row.update();
    }
}

void ScreenTable::Keys(uint8_t state) const {
    if (const ScreenRow* row = For(state); row && row->keys) row->keys();
}

void ScreenTable::Hover(uint8_t state, long double x, long double y) const {
    if (const ScreenRow* row = For(state); row && row->hover) row->hover(x, y);
}

void ScreenTable::Click(uint8_t state, long double x, long double y) const {
    if (const ScreenRow* row = For(state); row && row->click) row->click(x, y);
}
