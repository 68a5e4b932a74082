#include "revision_menu.h"

#include "catalogue/printable_text.h"
#include "document/calculation_file.h"
#include "document/comparison.h"
#include "document/revisions.h"
#include "file_menu.h"
#include "report/configuration_text.h"
#include "report/show_cabinet.h"

namespace veltra {

namespace {

// The calculation on screen, its list prices put back where a revision's
// copy holds its own.
Catalogue ListPrices(const App& app) {
    Catalogue list = app.catalogue;
    for (const auto& [entry, price] : app.document.listPrices)
        if (size_t(entry) < list.size()) list[size_t(entry)].ItemPrice = price;
    return list;
}

ComparisonWindowModel Compare(const App& app, std::string thenName, SavedCalculation then) {
    ComparisonWindowModel model;
    model.title = "Сравнение: " + thenName + " → на экране";
    model.thenName = std::move(thenName);
    model.then = std::move(then);
    model.now = TakeSnapshot(app, "");
    model.list = ListPrices(app);
    return model;
}

}  // namespace

void ProposalDocumentMade(App& app, IssuedAs as, std::string_view pdf) {
    IssueRevision(app, as, pdf, LocalDateNow());
}

std::vector<std::string> ComparisonWindowModel::Lines(char sep) const {
    return ComparisonLines(CompareCalculations(then, now, underList ? &list : nullptr, sep), sep);
}

std::string ComparisonWindowModel::Text(char sep) const {
    std::string text;
    for (const std::string& line : Lines(sep)) text += line + "\n";
    return text;
}

std::optional<ComparisonWindowModel> CompareWithFile(App& app, const std::filesystem::path& path) {
    std::string error;
    auto saved = ReadCalculationFile(path, app, error);
    const std::string name = "«" + PrintableText(path.filename().string()) + "»";
    if (!saved) {
        app.platform.ShowMessage("Не удалось сравнить с расчетом " + name + ": " + error + ".",
                                 kAppTitle, MessageIcon::Critical);
        return std::nullopt;
    }
    return Compare(app, name, std::move(*saved));
}

std::optional<ComparisonWindowModel> CompareWithRevision(App& app, int counter) {
    const IssuedRevision* revision = FindRevision(app, counter);
    if (!revision) return std::nullopt;
    try {
        return Compare(app, "редакция " + PrintableText(revision->number),
                       RevisionCalculation(*revision, app));
    } catch (const CalculationFileError& fault) {
        app.platform.ShowMessage("Не удалось сравнить с редакцией " +
                                     PrintableText(revision->number) + ": " + fault.what() + ".",
                                 kAppTitle, MessageIcon::Critical);
        return std::nullopt;
    }
}

std::optional<ComparisonWindowModel> FileCompare_Click(App& app) {
    const auto chosen = app.platform.ChooseFileToOpen("Сравнить с расчетом");
    if (!chosen || chosen->empty()) return std::nullopt;
    return CompareWithFile(app, *chosen);
}

bool FileRevisions_Click(App& app) {
    if (!app.document.revisions.empty()) return true;
    app.platform.ShowMessage(
        app.document.file.empty()
            ? "Редакции ведутся в файле расчета. Сохраните расчет, и каждое коммерческое "
              "предложение, сделанное в PDF или напечатанное, станет его редакцией."
            : "У расчета еще нет редакций: редакция записывается, когда коммерческое "
              "предложение делается в PDF или печатается.",
        kAppTitle, MessageIcon::Information);
    return false;
}

bool OpenRevision_Click(App& app, MainFormModel& form, int counter) {
    if (!MayLeaveCalculation(app)) return false;
    if (!OpenRevision(app, counter)) return false;
    form.ListView1 = RefreshAddedItemsList(app);
    ShowConfiguration(app);
    if (form.TabStrip1 == kTabCount && form.TabStrip3 == 1) ShowCabinet(app);
    return true;
}

}  // namespace veltra
