#pragma once
// "Редакции…" and "Сравнить с…" in the menu "Файл": the revision made with
// each proposal document, and the comparison window's model.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/saved_calculation.h"
#include "state/main_form_model.h"

namespace veltra {

// After "Отчет в PDF…" or "Печать…" made the document (`pdf`: its bytes).
void ProposalDocumentMade(App& app, IssuedAs as, std::string_view pdf);

// Everything the comparison window shows: the calculation then (a file or a
// revision) and now (on screen), each at its own prices, or both under the
// price list this run read.
struct ComparisonWindowModel {
    std::string title;  // "Сравнение: «Расчет.veltra» → на экране"
    std::string thenName;
    SavedCalculation then, now;
    Catalogue list;  // the price list's prices
    bool underList = false;

    std::vector<std::string> Lines(char decimalSeparator) const;
    // The lines as one text, for the clipboard.
    std::string Text(char decimalSeparator) const;
};

// None after the refusal's message.
std::optional<ComparisonWindowModel> CompareWithFile(App& app, const std::filesystem::path& path);
std::optional<ComparisonWindowModel> CompareWithRevision(App& app, int counter);
// "Сравнить с…": the file dialog, then the comparison.
std::optional<ComparisonWindowModel> FileCompare_Click(App& app);

// "Редакции…": false, after saying why, when there are none to list.
bool FileRevisions_Click(App& app);

// The revisions dialog's "Открыть": the revision shown as a read-only copy
// (the question about unsaved changes first).
bool OpenRevision_Click(App& app, MainFormModel& form, int counter);

}  // namespace veltra
