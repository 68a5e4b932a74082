#include "keypad_commands.h"
#include "scenario_runner.h"

namespace veltra {

void RegisterAllCommands(ScenarioRunner& runner) {
    RegisterMainWindowCommands(runner);
    RegisterDialogCommands(runner);
    RegisterUnitDialogCommands(runner);
    // Last: while a keypad is open it takes the commands it shares.
    RegisterKeypadCommands(runner);
}

}  // namespace veltra
