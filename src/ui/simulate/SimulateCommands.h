#pragma once

#include <cstdint>
#include <string>

#include "simulate/Simulation.h"
#include "ui/App.h"
#include "ui/main/MainWindow.h"

namespace quintara::ui {

// The simulation commands of the main window: the number of draws, the run over the history in memory
// and its report.
class SimulateCommands {
public:
    SimulateCommands(App& app, MainWindow& main) : m_app(app), m_main(main), m_state(app.state) {}
    SimulateCommands(const SimulateCommands&) = delete;
    SimulateCommands& operator=(const SimulateCommands&) = delete;

    void BindTo(MainWindow& main);

    void mnuSimulateFinalNumbers_Click() { Simulate(SimulationCommand::MainBalls); }
    void mnuSimulateThunderballFinalNumbers_Click() { Simulate(SimulationCommand::ThunderballBall); }

private:
    App& m_app;
    MainWindow& m_main;
    AppState& m_state;
    // The last run's comparison with chance, shown beside its report.
    std::string m_chance;

    void Simulate(SimulationCommand command);
    // The run over n draws, from the number-of-draws window; false when it failed, after its message.
    bool RunSimulation(std::int16_t n, SimulationCommand command);
};

}  // namespace quintara::ui
