#include "calculation_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <ctime>
#include <system_error>

#include "calculation/chosen_items.h"
#include "catalogue/printable_text.h"
#include "catalogue/recording_platform.h"
#include "catalogue/staged_file.h"
#include "handling/recalculate.h"
#include "revisions.h"
#include "saved_items.h"

namespace veltra {

namespace {

std::string Quoted(const std::filesystem::path& path) {
    return "\u00AB" + PrintableText(path.string()) + "\u00BB";
}

// The inputs of the main window; what the calculation shows it makes anew.
void CopyInputs(MainWindowModel& to, const MainWindowModel& from, char decimalSeparator) {
    to.fields = from.fields;
    for (const FieldInfo& info : kFields) {
        if (!IsTelephoneField(info.id)) continue;
        std::string& text = to.field(info.id).text;
        text = FieldTextToShow(text, decimalSeparator);
    }
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

// Why a file could not be read, as the user can act on it.
std::string ReadFailure(int code) {
    switch (code) {
        case ENOENT:
        case ENOTDIR:
            return "файл не найден";
        case ELOOP:
            return "символические ссылки на пути к файлу замыкаются в петлю";
        case EACCES:
        case EPERM:
            return "нет прав на чтение файла";
        case ENAMETOOLONG:
            return "слишком длинное имя файла";
        case EIO:
            return "ошибка ввода-вывода при чтении файла";
        default:
            return "файл не читается (" + std::error_code(code, std::generic_category()).message() +
                   ")";
    }
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path, std::string& error) {
    // Without blocking: a pipe or device put under the name is no file.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (descriptor < 0) {
        error = ReadFailure(errno);
        return std::nullopt;
    }
    const auto fail = [&](const std::string& why) -> std::optional<std::string> {
        ::close(descriptor);
        error = why;
        return std::nullopt;
    };
    struct stat status {};
    if (::fstat(descriptor, &status) != 0) return fail(ReadFailure(errno));
    if (S_ISDIR(status.st_mode)) return fail("это папка, а не файл");
    if (!S_ISREG(status.st_mode)) return fail("это не обычный файл");
    std::string text;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(descriptor, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return fail(ReadFailure(errno));
        if (got == 0) break;
        text.append(buffer, size_t(got));
        if (text.size() > kMaxCalculationBytes) return fail("файл слишком велик для расчета");
    }
    ::close(descriptor);
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
        app.state = StateToApply(app.state, saved.config);
        CopyInputs(app.main, saved.main, app.decimalSeparator);
        for (CatalogueItem& item : app.catalogue) item.ItemCalcQty = item.ItemAddQty = 0;
        // The calculated quantities follow from the inputs, whatever the file
        // says (the reader refuses one that says otherwise). Codes the list
        // lacks are told once, with the saved items, not per code set.
        RecordingPlatform quiet;
        SetChosenItems(app.catalogue, quiet, app.state.config, CalculationInputsOf(app));
        const std::vector<int> entries = MatchSavedItems(app.catalogue, saved.items);
        for (size_t i = 0; i < saved.items.size(); ++i) {
            const SavedItem& item = saved.items[i];
            outcome.totalBefore += item.price * item.calculated + item.price * item.added;
            if (entries[i] < 0) {
                outcome.missing.push_back(item);
                continue;
            }
            CatalogueItem& entry = app.catalogue[size_t(entries[i])];
            if (entry.ItemPrice != item.price) ++outcome.changedPrices;
            if (entry.ItemName != item.name)
                outcome.renamed.push_back({item.code, item.name, entry.ItemName});
            if (item.added == 0) continue;
            if (!TakesAddedQuantity(entry)) {
                outcome.unpriced.push_back(item);
                continue;
            }
            entry.ItemAddQty =
                Count(std::min(int(entry.ItemAddQty) + int(item.added), kMaxAddedQty));
        }
        RecalculateAll(app);
        outcome.totalNow = app.state.results.CalcTotal + app.state.results.AddTotal;
        app.proposal = saved.proposal;
    } catch (const OverflowError&) {
        backup.Restore(app);
        throw CalculationFileError("его суммы не помещаются в денежный тип при этих ценах");
    }
    return outcome;
}

std::string GroupedMoney(Money money, char decimalSeparator, int decimals) {
    decimals = std::clamp(decimals, 0, 4);
    const int64_t raw = money.raw();
    uint64_t unit = 1;  // of the last decimal shown, in raw steps
    for (int i = decimals; i < 4; ++i) unit *= 10;
    // A half of the last decimal rounded away from zero.
    const uint64_t magnitude = raw < 0 ? uint64_t(-(raw + 1)) + 1 : uint64_t(raw);
    const uint64_t steps = magnitude / unit + (magnitude % unit >= (unit + 1) / 2 && unit > 1);
    uint64_t scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    std::string whole = std::to_string(steps / scale);
    for (int at = int(whole.size()) - 3; at > 0; at -= 3) whole.insert(size_t(at), " ");
    std::string fraction = std::to_string(steps % scale + scale).substr(1);
    return (raw < 0 ? "-" : "") + whole + (decimals > 0 ? decimalSeparator + fraction : "");
}

namespace {

// A box lists this many items at most; a file can hold tens of thousands.
constexpr size_t kListedItems = 20;

// One line per item, the first kListedItems of them.
template <class Item, class Line>
std::string ItemLines(const std::vector<Item>& items, Line line) {
    std::string text;
    for (size_t i = 0; i < items.size() && i < kListedItems; ++i) text += "\n" + line(items[i]);
    if (items.size() > kListedItems)
        text += "\n… и ещё " + std::to_string(items.size() - kListedItems);
    return text;
}

std::string ItemLines(const std::vector<SavedItem>& items) {
    return ItemLines(items, [](const SavedItem& item) {
        return Excerpt(item.code) + " — " + Excerpt(item.name);
    });
}

// "она не открыта" or "они не открыты".
std::string NotOpened(size_t n) {
    return n == 1 ? "она не открыта:" : "они не открыты:";
}

}  // namespace

std::string MissingItemsMessage(const std::vector<SavedItem>& missing) {
    return "В прайс-листе нет " + std::to_string(missing.size()) + " " +
           Positions(int(missing.size())) + " расчета; " + NotOpened(missing.size()) +
           ItemLines(missing);
}

std::string UnpricedItemsMessage(const std::vector<SavedItem>& unpriced) {
    return "В прайс-листе больше нет цены у " + std::to_string(unpriced.size()) + " " +
           Positions(int(unpriced.size())) +
           (Positions(int(unpriced.size())) == "позиции" ? ", добавленной" : ", добавленных") +
           " вручную; " + NotOpened(unpriced.size()) + ItemLines(unpriced);
}

std::string PriceChangeMessage(const OpenOutcome& outcome, char decimalSeparator) {
    std::string text;
    if (outcome.changedPrices > 0) {
        // Two decimals, or as many more as it takes to tell the totals apart.
        int decimals = 2;
        while (decimals < 4 && outcome.totalBefore != outcome.totalNow &&
               GroupedMoney(outcome.totalBefore, decimalSeparator, decimals) ==
                   GroupedMoney(outcome.totalNow, decimalSeparator, decimals))
            ++decimals;
        text = "Цены изменились у " + std::to_string(outcome.changedPrices) + " " +
               Positions(outcome.changedPrices) + ": было " +
               GroupedMoney(outcome.totalBefore, decimalSeparator, decimals) + ", стало " +
               GroupedMoney(outcome.totalNow, decimalSeparator, decimals);
    }
    if (!outcome.renamed.empty()) {
        const size_t n = outcome.renamed.size();
        if (!text.empty()) text += "\n\n";
        text += "Под прежним кодом теперь другое наименование у " + std::to_string(n) + " " +
                Positions(int(n)) + ":";
        text += ItemLines(outcome.renamed, [](const RenamedItem& item) {
            return Excerpt(item.code) + " — было «" + Excerpt(item.savedName) + "», стало «" +
                   Excerpt(item.name) + "»";
        });
    }
    return text;
}

std::string CurrentContent(const App& app) {
    return CalculationText(TakeSnapshot(app, ""), false);
}

bool HasUnsavedChanges(const App& app) {
    const Document& document = app.document;
    return !document.file.empty() && (document.revisions.size() != document.savedRevisions ||
                                      CurrentContent(app) != document.savedContent);
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
        // A revision's copy on screen leaves with its prices.
        RestoreListPrices(app);
        outcome = ApplyCalculation(app, saved);
    } catch (const CalculationFileError& fault) {
        return refuse(fault.what());
    }
    Document& document = app.document;
    document.file = path;
    document.savedContent = CalculationText(saved, false);
    document.savedDate = saved.date;
    ++document.opened;
    document.revisions = std::move(saved.revisions);
    if (document.viewedRevision != 0) document.revisions.clear();
    document.savedRevisions = document.revisions.size();
    document.viewedRevision = 0;
    document.viewedFrom.clear();
    RememberRecentFile(document, path);
    if (!outcome.missing.empty()) {
        app.platform.ShowMessage(MissingItemsMessage(outcome.missing), kAppTitle,
                                 MessageIcon::Exclamation);
    }
    if (!outcome.unpriced.empty()) {
        app.platform.ShowMessage(UnpricedItemsMessage(outcome.unpriced), kAppTitle,
                                 MessageIcon::Exclamation);
    }
    const std::string changes = PriceChangeMessage(outcome, app.decimalSeparator);
    if (!changes.empty()) app.platform.ShowMessage(changes, kAppTitle, MessageIcon::Information);
    return true;
}

std::optional<SavedCalculation> ReadCalculationFile(const std::filesystem::path& path,
                                                    const App& app, std::string& error) {
    const auto text = ReadWholeFile(path, error);
    if (!text) return std::nullopt;
    try {
        return ReadCalculation(*text, app);
    } catch (const CalculationFileError& fault) {
        error = fault.what();
        return std::nullopt;
    }
}

bool SaveCalculation(App& app, const std::filesystem::path& path) {
    Document& document = app.document;
    const std::string content = CurrentContent(app);
    const std::string date = content == document.savedContent && !document.savedDate.empty()
                                 ? document.savedDate
                                 : LocalDateNow();
    SavedCalculation saved = TakeSnapshot(app, date);
    // A revision's copy saved is a calculation of its own, with no history.
    if (document.viewedRevision == 0) saved.revisions = document.revisions;
    std::string error;
    if (!WriteWholeFile(path, CalculationText(saved), Publish::Replace, error)) {
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
    if (document.viewedRevision != 0) document.revisions.clear();
    document.savedRevisions = document.revisions.size();
    document.viewedRevision = 0;
    document.viewedFrom.clear();
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
