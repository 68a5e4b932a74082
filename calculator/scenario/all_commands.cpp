#include <memory>
#include <utility>

#include "keypad_commands.h"
#include "scenario_runner.h"

namespace veltra {

void RegisterAllCommands(ScenarioRunner& runner, ProposalRenderer renderPdf) {
    RegisterMainWindowCommands(runner);
    RegisterDocumentCommands(runner);
    RegisterRevisionCommands(runner);
    RegisterProposalCommands(runner);
    RegisterDialogCommands(runner);
    RegisterProposalDocumentCommands(runner, std::move(renderPdf));
    // The handset dialog's calculator is a keypad, whose commands come later.
    auto openInputCalc = std::make_shared<InputCalcOpener>();
    RegisterUnitDialogCommands(runner, openInputCalc);
    // Last: while a keypad is open it takes the commands it shares.
    *openInputCalc = RegisterKeypadCommands(runner);
    RegisterUndoCommands(runner);
}

}  // namespace veltra
