#pragma once
// The program's look: one style and a small font everywhere, so that the
// layout designed in twips fits the same on every desktop.

class QApplication;

namespace veltra {

void ApplyLook(QApplication& application);

}  // namespace veltra
