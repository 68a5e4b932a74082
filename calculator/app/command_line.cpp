#include "command_line.h"

#include <string_view>

#include "mainwindow/interface_scale.h"

namespace veltra {

namespace {

bool Listed(std::string_view list, std::string_view word) {
    return list.find(" " + std::string(word) + " ") != std::string_view::npos;
}

// The Qt toolkit's own options, which its application object takes from the
// command line: those that take the next word as their value, those that
// stand alone, and those written "-name=value". Any other single-dash word
// is a mistake.
constexpr std::string_view kToolkitWithValue =
    " -platform -platformpluginpath -platformtheme -plugin -qwindowgeometry -geometry"
    " -qwindowicon -icon -qwindowtitle -title -session -display -name -style -stylesheet"
    " -visual ";
constexpr std::string_view kToolkitAlone =
    " -reverse -widgetcount -testability -nograb -dograb -sync ";
constexpr std::string_view kToolkitWithEquals = " -style -stylesheet -qmljsdebugger ";

bool IsToolkitOption(std::string_view word) {
    const size_t equals = word.find('=');
    if (equals != std::string_view::npos) return Listed(kToolkitWithEquals, word.substr(0, equals));
    return Listed(kToolkitWithValue, word) || Listed(kToolkitAlone, word);
}

// "--name VALUE" or "--name=VALUE"; false when arg is not that option.
// A missing value, or an option where the value should be, is said in
// `error`: "--name=--x" is the way to name a file that starts with "--".
bool TakeValue(const std::vector<std::string>& args, size_t& i, const std::string& name,
               const std::string& missing, std::optional<std::string>& value, std::string& error) {
    const std::string& arg = args[i];
    if (arg == name) {
        if (i + 1 == args.size() || args[i + 1].empty()) {
            error = "После " + name + " нужен " + missing + ".";
        } else if (args[i + 1].rfind("--", 0) == 0) {
            error = "После " + name + " нужен " + missing + ", а не параметр " + args[i + 1] + ".";
        } else {
            value = args[++i];
        }
        return true;
    }
    if (arg.rfind(name + "=", 0) == 0 && arg.size() > name.size() + 1) {
        value = arg.substr(name.size() + 1);
        return true;
    }
    return false;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args, const char* priceListVariable) {
    CommandLine line;
    if (priceListVariable != nullptr && *priceListVariable != '\0')
        line.priceList = priceListVariable;
    for (size_t i = 0; i < args.size() && line.error.empty(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            line.help = true;
        } else if (arg == "--print-configuration") {
            line.printConfiguration = true;
        } else if (arg == "--compare" || arg == "--reprice" || arg == "--compare-price-lists") {
            const FileTool tool = arg == "--compare"   ? FileTool::Compare
                                  : arg == "--reprice" ? FileTool::Reprice
                                                       : FileTool::ComparePriceLists;
            if (line.tool != FileTool::None && line.tool != tool)
                line.error =
                    "Параметры --compare, --reprice и --compare-price-lists не "
                    "сочетаются.";
            line.tool = tool;
        } else if (arg == "--json") {
            line.json = true;
        } else if (TakeValue(args, i, "--price-list", "путь к прайс-листу", line.priceList,
                             line.error) ||
                   TakeValue(args, i, "--export-xlsx", "путь к файлу отчета .xlsx", line.exportXlsx,
                             line.error) ||
                   TakeValue(args, i, "--export-pdf", "путь к файлу предложения .pdf",
                             line.exportPdf, line.error)) {
        } else if (std::optional<std::string> scale;
                   TakeValue(args, i, "--scale", "масштаб в процентах", scale, line.error)) {
            if (scale) line.scale = ParseInterfaceScale(*scale);
            if (scale && !line.scale)
                line.error = "Масштаб интерфейса бывает 100, 125, 150 или 200 %: " + *scale;
        } else if (arg.rfind("--", 0) == 0) {
            line.error = "Неизвестный параметр: " + arg;
        } else if (arg.size() > 1 && arg[0] == '-') {
            // The toolkit's own options (-platform xcb, -reverse): its business.
            if (!IsToolkitOption(arg)) {
                line.error = "Неизвестный параметр: " + arg;
            } else if (Listed(kToolkitWithValue, arg) && i + 1 < args.size()) {
                ++i;
            }
        } else if (line.tool != FileTool::None) {
            line.toolFiles.push_back(arg);
        } else if (!line.calculation) {
            line.calculation = arg;
        } else {
            line.error = "Лишний аргумент: " + arg;
        }
    }
    if (line.error.empty() && line.tool != FileTool::None) {
        // A file named before the option belongs to it too.
        if (line.calculation) line.toolFiles.insert(line.toolFiles.begin(), *line.calculation);
        line.calculation.reset();
        const bool two = line.tool != FileTool::Reprice;
        if (line.exportXlsx || line.exportPdf || line.printConfiguration) {
            line.error =
                "--compare, --reprice и --compare-price-lists не сочетаются с выводом "
                "отчетов.";
        } else if (two && line.toolFiles.size() != 2) {
            line.error = line.tool == FileTool::Compare
                             ? "Для --compare нужны два файла расчета: --compare A.veltra B.veltra."
                             : "Для --compare-price-lists нужны два прайс-листа: "
                               "--compare-price-lists СТАРЫЙ.txt НОВЫЙ.txt.";
        } else if (line.toolFiles.empty()) {
            line.error = "Для --reprice нужен хотя бы один файл расчета (.veltra).";
        }
    }
    if (line.error.empty() && line.json && line.tool != FileTool::Compare)
        line.error = "--json бывает только с --compare.";
    if (line.error.empty() && !line.help && line.withoutWindow() && !line.calculation &&
        line.tool == FileTool::None) {
        line.error = std::string("Для ") +
                     (line.exportXlsx  ? "--export-xlsx"
                      : line.exportPdf ? "--export-pdf"
                                       : "--print-configuration") +
                     " нужен файл расчета (.veltra).";
    }
    return line;
}

std::string UsageText(const std::string& program) {
    return "Использование: " + program +
           " [--price-list ПУТЬ] [--scale N] [РАСЧЕТ.veltra]\n"
           "       " +
           program +
           " [--price-list ПУТЬ] --export-xlsx ОТЧЕТ.xlsx РАСЧЕТ.veltra\n"
           "       " +
           program +
           " [--price-list ПУТЬ] --export-pdf КП.pdf РАСЧЕТ.veltra\n"
           "       " +
           program +
           " [--price-list ПУТЬ] --print-configuration РАСЧЕТ.veltra\n"
           "       " +
           program +
           " [--price-list ПУТЬ] --compare [--json] A.veltra B.veltra\n"
           "       " +
           program +
           " [--price-list НОВЫЙ] --reprice РАСЧЕТ.veltra…\n"
           "       " +
           program +
           " --compare-price-lists СТАРЫЙ.txt НОВЫЙ.txt\n"
           "Калькулятор конфигурации и стоимости УАТС Dorvesk Veltra.\n"
           "\n"
           "  РАСЧЕТ.veltra             открыть сохраненный расчет после запуска\n"
           "  --export-xlsx ОТЧЕТ.xlsx  записать коммерческое предложение расчета\n"
           "                            в книгу ОТЧЕТ.xlsx без окна программы\n"
           "  --export-pdf КП.pdf       записать коммерческое предложение расчета\n"
           "                            документом КП.pdf без окна программы\n"
           "  --print-configuration     вывести текст конфигурации расчета\n"
           "                            без окна программы\n"
           "  --compare A B             сравнить расчет B с расчетом A: различия\n"
           "                            исходных данных, позиций и итогов, по одному\n"
           "                            в строке, каждый по своим сохраненным ценам;\n"
           "                            код возврата 0 — различий нет, 1 — есть,\n"
           "                            2 — ошибка (как у diff)\n"
           "  --json                    с --compare: различия в виде JSON\n"
           "  --reprice ФАЙЛ…           для каждого расчета: номер предложения, итог\n"
           "                            при сохранении и по прайс-листу, число позиций\n"
           "                            с новой ценой и коды, которых в нем нет; затем\n"
           "                            строка сумм. Файлы не меняются\n"
           "  --compare-price-lists СТАРЫЙ НОВЫЙ\n"
           "                            коды, добавленные, убранные, переименованные\n"
           "                            и с новой ценой; код возврата как у --compare\n"
           "  --price-list ПУТЬ         читать прайс-лист из файла ПУТЬ\n"
           "  --scale N                 масштаб интерфейса на этот запуск: 100, 125,\n"
           "                            150 или 200 (%; обычно — как выбран в меню)\n"
           "  -h, --help                показать эту справку и выйти\n"
           "\n"
           "Без окна программа не нуждается в дисплее; сообщения (нет кодов в\n"
           "прайс-листе, изменились цены) выводятся в стандартный поток ошибок.\n"
           "Код возврата 0 — готово; 1 — расчет, прайс-лист или отчет не удалось\n"
           "прочитать или записать (причина — в потоке ошибок); 2 — неверная\n"
           "командная строка.\n"
           "\n"
           "Существующий файл ОТЧЕТ.xlsx заменяется с прежними правами доступа;\n"
           "если это символическая ссылка, заменяется файл, на который она ведет.\n"
           "Файл расчета, прайс-лист и файл только для чтения отчет не заменяет\n"
           "(код 1); об имени не на .xlsx выводится предупреждение. Путь,\n"
           "начинающийся с \"--\", пишется через \"=\": --export-xlsx=--отчет.xlsx.\n"
           "Так же записывается КП.pdf; об имени не на .pdf выводится предупреждение.\n"
           "\n"
           "Прайс-лист можно указать и переменной окружения " +
           std::string(kPriceListVariable) +
           "; параметр командной строки важнее.\n"
           "Без них программа берёт price.txt из своей папки, а если его там нет,\n"
           "из папки данных установленной программы (../share/veltra рядом с bin/).\n"
           "Файлы справки (VeltraCalculator.chm, v4_overview.chm, 366.chm) ищутся\n"
           "там же и открываются программой просмотра xchm.\n";
}

}  // namespace veltra
