#include "command_line.h"

namespace veltra {

CommandLine ParseCommandLine(const std::vector<std::string>& args, const char* priceListVariable) {
    CommandLine line;
    if (priceListVariable != nullptr && *priceListVariable != '\0')
        line.priceList = priceListVariable;
    const std::string option = "--price-list";
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            line.help = true;
        } else if (arg == option) {
            if (i + 1 == args.size() || args[i + 1].empty()) {
                line.error = "После " + option + " нужен путь к прайс-листу.";
                return line;
            }
            line.priceList = args[++i];
        } else if (arg.rfind(option + "=", 0) == 0 && arg.size() > option.size() + 1) {
            line.priceList = arg.substr(option.size() + 1);
        } else if (arg.rfind("--", 0) == 0) {
            line.error = "Неизвестный параметр: " + arg;
            return line;
        } else if (arg.size() > 1 && arg[0] == '-') {
            // The toolkit's own options (-platform xcb, -reverse): its business.
            if (i + 1 < args.size() && args[i + 1].rfind("-", 0) != 0) ++i;
        } else {
            line.error = "Лишний аргумент: " + arg;
            return line;
        }
    }
    return line;
}

std::string UsageText(const std::string& program) {
    return "Использование: " + program +
           " [--price-list ПУТЬ]\n"
           "Калькулятор конфигурации и стоимости УАТС Dorvesk Veltra.\n"
           "\n"
           "  --price-list ПУТЬ  читать прайс-лист из файла ПУТЬ\n"
           "  -h, --help         показать эту справку и выйти\n"
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
