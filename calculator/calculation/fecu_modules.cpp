#include "fecu_modules.h"

namespace veltra {

const std::array<FecuModuleOption, kFecuModules> kFecuModuleOptions = {{
    {"от 1 до 8 без FECU", 0, 8, nullptr},
    {"16", 9, 16, "KDU 130 05/1"},
    {"24", 17, 24, "KDU 130 05/2"},
    {"32", 25, 32, "KDU 130 05/3"},
    {"48", 33, 48, "KDU 130 05/4"},
    {"64", 49, 64, "KDU 130 05/5"},
    {"108", 65, 108, "KDU 130 05/6"},
    {"210", 109, 210, "KDU 130 05/7"},
}};

}  // namespace veltra
