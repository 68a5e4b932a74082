#pragma once
// Drawing the cabinet picture of the reports page (App::main.cabinet) from
// the configuration.

namespace veltra {

struct App;
struct CabinetPicture;

// Shapes 1 to 26 transparent at full height; shape 0 is left alone.
void ClearSlots(App& app);
// The three supply pictures for the chosen or forced supply.
void ShowPower(App& app);
// ClearSlots, the fifteen board runs in their order, then ShowPower.
void ShowCabinet(App& app);
// The same on another picture (the document's copy of the page's).
void ShowPower(const App& app, CabinetPicture& picture);
void ShowCabinet(const App& app, CabinetPicture& picture);

}  // namespace veltra
