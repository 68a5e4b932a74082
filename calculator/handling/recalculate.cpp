#include "recalculate.h"

#include <stdexcept>

#include "catalogue/number_text.h"

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

OptionChoice ChoiceOf(const OptionGroup& group) {
    OptionChoice choice;
    for (int i = 0; i < int(choice.selected.size()); ++i)
        choice.selected[size_t(i)] = group.IsSelected(i);
    return choice;
}

}  // namespace

CalculationInputs CalculationInputsOf(const MainWindowModel& w, char decimalSeparator) {
    CalculationInputs in;
    for (const FieldInfo& info : kFields) {
        if (!IsTelephoneField(info.id)) continue;
        in.telephones[size_t(TelephoneOf(info.id))] =
            ParseNumber(w.field(info.id).text, decimalSeparator).value_or(0.0);
    }
    in.mfu = w.MFUCheck.checked;
    in.mfuFlash = w.MFU_Flash.index;
    in.onlyStationMdf = w.OnlyStationMDFCheck.checked;
    in.powerStandard = ChoiceOf(w.PowerStandard);
    in.powerAcc = ChoiceOf(w.PowerAcc);
    in.mdfBox = ChoiceOf(w.MDFBox);
    in.mdfOpenCable = ChoiceOf(w.MDFOpenCable);
    in.arrestor = ChoiceOf(w.Arrestor);
    return in;
}

void RecalculateAll(App& app) {
    const RunningCalculation running(app.calculations);
    const CalculationInputs inputs = CalculationInputsOf(app);
    const Calculation calculation{app.catalogue,    app.platform, app.state.limits,
                                  app.state.config, inputs,       app.state.results};
    CalculationResults results;
    try {
        Calculate(calculation, results);
    } catch (const OverflowError&) {
        PresentResults(app, results);
        throw;
    }
    PresentResults(app, results);
}

void UpdateCostLine(App& app) {
    const CalculationInputs inputs = CalculationInputsOf(app);
    const Calculation calculation{app.catalogue,    app.platform, app.state.limits,
                                  app.state.config, inputs,       app.state.results};
    CalculationResults results;
    CalculateTotals(calculation, results);
    PresentResults(app, results);
}

}  // namespace veltra
