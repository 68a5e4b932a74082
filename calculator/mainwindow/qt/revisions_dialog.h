#pragma once
// "Редакции…": the issued revisions of the calculation, one a row, and what
// to do with the one chosen.

#include <vector>

#include "document/revisions.h"

class QWidget;

namespace veltra {

struct RevisionChoice {
    enum class Action { None, Open, Compare } action = Action::None;
    int counter = 0;
};

RevisionChoice ShowRevisionsDialog(const std::vector<RevisionRow>& rows, QWidget* parent);

}  // namespace veltra
