// AiRace: the computer drivers' race of the headless runner.
#include "ai_race.h"

#include <algorithm>

#include "core/frame_timer.h"
#include "core/race_choices.h"
#include "core/shared_objects.h"
#include "race/level_rules.h"

namespace {

constexpr double kTickSeconds = 0.013;
using race_rules::kCameraStartOffset;
using race_rules::kFirstLoadWheelFriction;
using race_rules::kFirstLoadWheelFriction2;
using race_rules::kRaceStepSeconds;
using race_rules::kStartPower;

}  // namespace

AiRace::AiRace(int trackSlot, EngineHandle camera, int cars) : track_(std::clamp(trackSlot, 1, 5)) {
    Build(camera, std::clamp(cars, 1, 10));
}

AiRace::~AiRace() = default;

void AiRace::Build(EngineHandle camera, int cars) {
    CurrentDifficulty = kDifficulty;
    if (SelectedCar < 1 || SelectedCar > 5) SelectedCar = 1;
    iSimulationFrqSet(kRaceStepSeconds);

    for (int kind = 1; kind <= TBonus::kKinds; ++kind) {
        for (int copy = 0; copy < 4; ++copy) {
            bonuses_[kind - 1][copy] = std::make_unique<TBonus>();
            bonuses_[kind - 1][copy]->Create(kind);
            bonusGrid_[kind - 1][copy] = bonuses_[kind - 1][copy].get();
        }
    }
    std::vector<TCar*> all;
    for (int model = 1; model <= 5; ++model) {
        for (auto& car : cars_[model - 1]) {
            car = std::make_unique<TCar>();
            car->Create(model, bonusGrid_);
            all.push_back(car.get());
        }
    }
    for (size_t i = 0; i < all.size(); ++i) {
        for (size_t j = i + 1; j < all.size(); ++j) {
            const EngineHandle pair = iBodyBodyCreate(all[i]->Chassis, all[j]->Chassis);
            iBodyBodyFeedbackEnable(pair, -1, -1, -1);
            carPairs_.push_back(pair);
        }
    }
    for (int k = 0; k < 10; ++k) drivers_[k].Car = cars_[k / 2][k % 2].get();

    spawner_.StartLevel(bonusGrid_);
    for (TCar* car : all) {
        car->Hide();
        car->InRace = false;
        car->CheckpointsPassed = 0;
        car->ReverseTimer = -1;
        car->BoostReserve = -1;
        car->LapsToGo = race_rules::LapsPerRace(kDifficulty);
        car->CheckpointIndex = 0;
    }

    trassa_ = std::make_unique<TTrassa>();
    trassa_->Load(track_);
    const track_tables::TrackPosition& at = track_tables::kTrackPositions[track_ - 1];
    trassa_->Location = {at.x, at.y, at.z};
    trassa_->Rotation = {0, 0, 0};
    trassa_->Locate();
    PairCarsWithTrack();
    trassa_->Show();

    std::vector<race_rules::CarId> entrants = race_rules::ChooseOpponents(SelectedCar, std::min(cars, 8));
    for (int instance = 1; static_cast<int>(entrants.size()) < cars && instance <= 2; ++instance) {
        entrants.push_back({SelectedCar, instance});
    }
    int gridSlot = 0;
    for (const race_rules::CarId& id : entrants) {
        TCar& car = *cars_[id.model - 1][id.instance - 1];
        PlaceOnGrid(car, gridSlot++);
        racing_.push_back(&car);
        racingDrivers_.push_back(&drivers_[(id.model - 1) * 2 + (id.instance - 1)]);
        results_.push_back({id.model, id.instance, 0, {}, 0});
        lapsToGo_.push_back(car.LapsToGo);
        lapStarted_.push_back(0);
    }
    for (TEnemy& driver : drivers_) driver.SetRoute(track_tables::kRoutes[track_ - 1]);

    chase_ = CameramanLookAtPointKeepDistanceFast_t::ForRace(camera);
    if (!racing_.empty()) {
        const Vec3 c = racing_.front()->Location;
        const Vec3 start{c.x + kCameraStartOffset.x, c.y + kCameraStartOffset.y, c.z + kCameraStartOffset.z};
        iCameraLocationSet(camera, start);
        iBodyLocationSet(chase_->Sphere, start, -1);
        iCameraLookAt(camera, c, 1.0f);
    }
    iSkyBoxShow(Shared.SkyBox);
    iLightDirectionalSet(&kLightDirection, kLightColor.data());
    for (TCar* car : all) {
        for (EngineHandle wheel : car->WheelBodies) iBodyPhysicsReset(wheel);
        iBodyPhysicsReset(car->Chassis);
    }
}

void AiRace::PairCarsWithTrack() {
    for (auto& instances : cars_)
        for (auto& car : instances)
            car->PairWithTrack(track_, trassa_->TableBody, trassa_->Body, kFirstLoadWheelFriction2,
                               kFirstLoadWheelFriction);
}

void AiRace::PlaceOnGrid(TCar& car, int gridSlot) { car.StartOnGrid(track_, gridSlot, kStartPower); }

void AiRace::Step() {
    const std::span<const track_tables::PointXZ> spawnPoints = track_tables::kSpawnPoints[track_ - 1];
    spawner_.Update(kDifficulty, spawnPoints, trassa_->Location.y, bonusGrid_);
    for (auto& copies : bonuses_) {
        for (auto& bonus : copies) bonus->HoldInPlace();
    }

    const std::span<const track_tables::GateEntry> gates = track_tables::kGates[track_ - 1];
    for (size_t i = 0; i < racing_.size(); ++i) {
        if (racingDrivers_[i]->Update(gates)) ++results_[i].resets;
        const int32_t lapsToGo = racing_[i]->LapsToGo;
        if (lapsToGo < lapsToGo_[i]) {
            results_[i].lapTimes.push_back(simSeconds_ - lapStarted_[i]);
            lapStarted_[i] = simSeconds_;
            results_[i].laps += lapsToGo_[i] - lapsToGo;
            lapsToGo_[i] = lapsToGo;
        }
    }

    CarRaceView view;
    view.trackNo = track_;
    view.selectedCar = SelectedCar;
    view.bonuses = &bonusGrid_;
    view.counters = &counters_;
    for (auto& instances : cars_) {
        for (auto& car : instances) {
            if (car->InRace) car->Update(view);
        }
    }
    if (!racing_.empty()) chase_->Follow(iBodyLocationCM(racing_.front()->Chassis));
    // The simulation runs this frame after the logic; laps above are stamped with the
    // time simulated before it.
    simSeconds_ += kTickSeconds * static_cast<double>(FrameScale);
}

std::vector<AiRace::CarResult> AiRace::Results() const { return results_; }
