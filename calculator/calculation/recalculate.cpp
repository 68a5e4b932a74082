#include "recalculate.h"

#include <stdexcept>

namespace veltra {

namespace {

// Marks the calculation as running for its whole length, exceptions included.
class RunningCalculation {
  public:
    explicit RunningCalculation(CalculationRuns& runs) : runs_(runs) {
        if (runs_.running) {
            ++runs_.reentered;
            if (runs_.reentryFatal)
                throw std::logic_error("RecalculateAll started inside another calculation");
        }
        ++runs_.count;
        wasRunning_ = runs_.running;
        runs_.running = true;
    }
    ~RunningCalculation() { runs_.running = wasRunning_; }
    RunningCalculation(const RunningCalculation&) = delete;
    RunningCalculation& operator=(const RunningCalculation&) = delete;

  private:
    CalculationRuns& runs_;
    bool wasRunning_ = false;
};

}  // namespace

void RecalculateAll(App& app) {
    const RunningCalculation running(app.calculations);
    CalculationResults results;
    try {
        CalculateFrame(app);
        CalculateCabinets(app);
        CalculatePower(app, results);
        CalculateIpUnit(app, results);
        CalculateNetworkingLevel(app, results);
        CalculateTotals(app, results);
    } catch (const OverflowError&) {
        PresentResults(app, results);
        throw;
    }
    PresentResults(app, results);
}

void UpdateCostLine(App& app) {
    CalculationResults results;
    CalculateTotals(app, results);
    PresentResults(app, results);
}

}  // namespace veltra
