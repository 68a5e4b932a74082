#include "calculation_file.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <fstream>
#include <map>

#include "calculation/recalculate.h"
#include "catalogue/staged_file.h"

namespace veltra {

namespace {

std::string Quoted(const std::filesystem::path& path) {
    return "\u00AB" + path.string() + "\u00BB";
}

// The inputs of the main window; what the calculation shows it makes anew.
void CopyInputs(MainWindowModel& to, const MainWindowModel& from) {
    to.fields = from.fields;
    to.MFUCheck = from.MFUCheck;
    to.OnlyStationMDFCheck = from.OnlyStationMDFCheck;
    to.MFU_Flash.index = from.MFU_Flash.index;
    to.MFU_Flash.visible = from.MFU_Flash.visible;
    to.MFU_Flash.background = from.MFU_Flash.background;
    to.Combo1.index = from.Combo1.index;
    to.Combo1.visible = from.Combo1.visible;
    to.Combo1.background = from.Combo1.background;
    for (OptionGroup MainWindowModel::*group :
         {&MainWindowModel::PowerStandard, &MainWindowModel::PowerAcc, &MainWindowModel::Arrestor,
          &MainWindowModel::MDFBox, &MainWindowModel::MDFOpenCable}) {
        for (size_t i = 0; i < (to.*group).buttons.size(); ++i) {
            (to.*group).buttons[i].selected = (from.*group).buttons[i].selected;
            (to.*group).buttons[i].enabled = (from.*group).buttons[i].enabled;
        }
    }
    to.PowerAccFrameEnabled = from.PowerAccFrameEnabled;
    to.ArrestorsFrameEnabled = from.ArrestorsFrameEnabled;
}

// The counts and choices as saved, the limits and values of this run kept.
ConfigState SavedState(const ConfigState& now, const ConfigState& saved) {
    ConfigState s = saved;
    s.MaxBoards = now.MaxBoards;
    s.MaxTrunkLines = now.MaxTrunkLines;
    s.MaxLines = now.MaxLines;
    s.FixedBoards = now.FixedBoards;
    s.DialogHighlightColour = now.DialogHighlightColour;
    s.TitleBarHeight = now.TitleBarHeight;
    s.InputCalcTarget = now.InputCalcTarget;
    s.InputCalcMax = now.InputCalcMax;
    return s;
}

// Everything ApplyCalculation writes, to put back when it cannot finish.
struct Backup {
    explicit Backup(const App& app) : state(app.state), main(app.main) {
        for (const CatalogueItem& item : app.catalogue)
            quantities.emplace_back(item.ItemCalcQty, item.ItemAddQty);
    }
    void Restore(App& app) const {
        app.state = state;
        app.main = main;
        for (size_t i = 0; i < quantities.size(); ++i) {
            app.catalogue[i].ItemCalcQty = quantities[i].first;
            app.catalogue[i].ItemAddQty = quantities[i].second;
        }
    }
    ConfigState state;
    MainWindowModel main;
    std::vector<std::pair<Count, Count>> quantities;
};

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path, std::string& error) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::exists(status)) {
        error = "файл не найден";
        return std::nullopt;
    }
    if (!std::filesystem::is_regular_file(status)) {
        error = "это не обычный файл";
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "файл не читается";
        return std::nullopt;
    }
    std::string text;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.append(buffer, size_t(in.gcount()));
        if (text.size() > kMaxCalculationBytes) {
            error = "файл слишком велик для расчета";
            return std::nullopt;
        }
    }
    if (in.bad()) {
        error = "файл не читается";
        return std::nullopt;
    }
    return text;
}

// "позиции" after 1, 21, 31…; "позиций" otherwise, as after "у".
std::string Positions(int n) {
    return n % 10 == 1 && n % 100 != 11 ? "позиции" : "позиций";
}

}  // namespace

OpenOutcome ApplyCalculation(App& app, const SavedCalculation& saved) {
    const Backup backup(app);
    OpenOutcome outcome;
    try {
        app.state = SavedState(app.state, saved.state);
        CopyInputs(app.main, saved.main);
        for (CatalogueItem& item : app.catalogue) item.ItemCalcQty = item.ItemAddQty = 0;
        // A code that a list holds twice: the saved items take its entries in
        // turn, as they were saved in catalogue order.
        std::map<std::string_view, int> seen;
        for (const SavedItem& item : saved.items) {
            int occurrence = seen[item.code]++;
            int index = -1;
            for (size_t i = 0; i < app.catalogue.size() && index < 0; ++i) {
                if (app.catalogue[i].ItemCode == item.code && occurrence-- == 0) index = int(i);
            }
            if (index < 0) {
                outcome.missing.push_back(item);
                continue;
            }
            CatalogueItem& entry = app.catalogue[size_t(index)];
            entry.ItemCalcQty = item.calculated;
            entry.ItemAddQty = item.added;
            if (entry.ItemPrice != item.price) ++outcome.changedPrices;
        }
        RecalculateAll(app);
        outcome.totalBefore = saved.calculatedTotal + saved.addedTotal;
        outcome.totalNow = app.state.CalcTotal + app.state.AddTotal;
        app.proposal = saved.proposal;
    } catch (const OverflowError&) {
        backup.Restore(app);
        throw CalculationFileError("его суммы не помещаются в денежный тип при этих ценах");
    }
    return outcome;
}

std::string GroupedMoney(Money money, char decimalSeparator) {
    const int64_t raw = money.raw();
    // Hundredths, a half rounded away from zero.
    const uint64_t magnitude = raw < 0 ? uint64_t(-(raw + 1)) + 1 : uint64_t(raw);
    const uint64_t cents = (magnitude + 50) / 100;
    std::string whole = std::to_string(cents / 100);
    for (int at = int(whole.size()) - 3; at > 0; at -= 3) whole.insert(size_t(at), " ");
    const uint64_t fraction = cents % 100;
    return (raw < 0 ? "-" : "") + whole + decimalSeparator + char('0' + fraction / 10) +
           char('0' + fraction % 10);
}

std::string MissingItemsMessage(const std::vector<SavedItem>& missing) {
    std::string text = "В прайс-листе нет " + std::to_string(missing.size()) + " " +
                       Positions(int(missing.size())) + " расчета; " +
                       (missing.size() == 1 ? "она не открыта:" : "они не открыты:");
    for (const SavedItem& item : missing) text += "\n" + item.code + " — " + item.name;
    return text;
}

std::string PriceChangeMessage(const OpenOutcome& outcome, char decimalSeparator) {
    return "Цены изменились у " + std::to_string(outcome.changedPrices) + " " +
           Positions(outcome.changedPrices) + ": было " +
           GroupedMoney(outcome.totalBefore, decimalSeparator) + ", стало " +
           GroupedMoney(outcome.totalNow, decimalSeparator);
}

std::string CurrentContent(const App& app) {
    return CalculationText(TakeSnapshot(app, ""), false);
}

bool HasUnsavedChanges(const App& app) {
    return !app.document.file.empty() && CurrentContent(app) != app.document.savedContent;
}

std::string DocumentName(const App& app) {
    return app.document.file.filename().string();
}

bool OpenCalculation(App& app, const std::filesystem::path& path) {
    const auto refuse = [&](const std::string& why) {
        app.platform.ShowMessage("Не удалось открыть расчет " + Quoted(path) + ": " + why + ".",
                                 kAppTitle, MessageIcon::Critical);
        return false;
    };
    std::string error;
    const auto text = ReadWholeFile(path, error);
    if (!text) return refuse(error);
    OpenOutcome outcome;
    SavedCalculation saved;
    try {
        saved = ReadCalculation(*text, app);
        outcome = ApplyCalculation(app, saved);
    } catch (const CalculationFileError& fault) {
        return refuse(fault.what());
    }
    Document& document = app.document;
    document.file = path;
    document.savedContent = CalculationText(saved, false);
    document.savedDate = saved.date;
    RememberRecentFile(document, path);
    if (!outcome.missing.empty()) {
        app.platform.ShowMessage(MissingItemsMessage(outcome.missing), kAppTitle,
                                 MessageIcon::Exclamation);
    }
    if (outcome.changedPrices > 0) {
        app.platform.ShowMessage(PriceChangeMessage(outcome, app.decimalSeparator), kAppTitle,
                                 MessageIcon::Information);
    }
    return true;
}

bool SaveCalculation(App& app, const std::filesystem::path& path) {
    Document& document = app.document;
    const std::string content = CurrentContent(app);
    const std::string date = content == document.savedContent && !document.savedDate.empty()
                                 ? document.savedDate
                                 : LocalDateNow();
    std::string error;
    if (!WriteWholeFile(path, CalculationText(TakeSnapshot(app, date)), Publish::Replace, error)) {
        app.platform.ShowMessage(
            "Не удалось сохранить расчет в файл:\n" + path.string() +
                "\n\nПроверьте, что папка существует, доступна для записи и на диске есть "
                "место.\n(" +
                error + ")",
            kAppTitle, MessageIcon::Critical);
        return false;
    }
    document.file = path;
    document.savedContent = content;
    document.savedDate = date;
    RememberRecentFile(document, path);
    return true;
}

std::string LocalDateNow() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    return text;
}

void RememberRecentFile(Document& document, const std::filesystem::path& path) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    const std::string name = (ec ? path : absolute).lexically_normal().string();
    auto& recent = document.recentFiles;
    recent.erase(std::remove(recent.begin(), recent.end(), name), recent.end());
    recent.insert(recent.begin(), name);
    if (recent.size() > kRecentFileCount) recent.resize(kRecentFileCount);
}

}  // namespace veltra
