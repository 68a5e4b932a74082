#pragma once
// A configuration that fills every part of the reports page, for tests, the
// sample workbook and the screenshots.

namespace veltra {

struct App;

// Boards through their dialogs (three cabinets with the MFU), telephones, a
// voice flash, switched-mode power with batteries; the cordless units and the
// IP unit written straight into the state; two hand-added items in different
// groups. Runs the full calculation at the end.
void BuildRichConfiguration(App& app);

}  // namespace veltra
