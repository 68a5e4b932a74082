#pragma once
// The part numbers the calculation sets with SetItemQty. A price list that
// lacks most of them is not this calculator's price list.

#include <array>
#include <string_view>

namespace veltra {

inline constexpr std::array<std::string_view, 74> kCalculatedItemCodes = {
    "BDV 113 08",        "SXK 106 4147/2",     "SXA 112 4404/1",    "591685/2",
    "NTM 144 60",        "ROF 157 5124/1",     "LZY 203 2232/1",    "ROF 157 5132/1",
    "LZY 203 2215/1",    "KDUBS 130 08/1",     "KDUBS 130 08/2",    "KDUBS 130 08/3",
    "KDUBS 130 08/4",    "ROF 157 5130/1",     "ROF 157 5130/2",    "ROF 157 5130/3",
    "ROF 157 5114/1",    "ROF 157 5114/3",     "ROF 157 5110/1",    "ROF 157 5121/4",
    "ROF 157 5121/5",    "ROF 157 5112/1",     "LZY 203 2212/1",    "LZY 203 2213/1",
    "DBC 210 01/01021",  "DBC 211 01/01021",   "DBC 212 01/01021",  "DBC 213 01/01021",
    "DBC 214 01/01021",  "DBY 409 01/01003",   "DBY 409 02/01003",  "ROF 157 5131/1",
    "ROF 157 5129/1",    "NTM/KRCNB 301 03/1", "EN/LZTNB 101 52/1", "NTM/DPANB 301 04/1",
    "KDU 130 05/1",      "KDU 130 05/2",       "KDU 130 05/3",      "KDU 130 05/4",
    "KDU 130 05/5",      "KDU 130 05/6",       "KDU 130 05/7",      "ROF 157 5133/1",
    "ROA 219 5114/1",    "TSRBS 902 0007/1",   "LZYBS 203 13/4",    "LZYBS 203 13/8",
    "RES 147 051/1",     "RPM 945 323",        "BML 351 048",       "TRE 990 113/850",
    "TSRBS 101 12/1500", "BKB 201 002",        "SXK 106 4147/ 2",   "SXA 112 4404/ 1",
    "BKC 851 003",       "TSR 901 0472/3",     "TSR 901 0472/2",    "MDF_OPEN_10",
    "MDF_BOX_10",        "MDF_PLINT_1",        "MDF_CASSETE_1",     "MDF_ARRESTORS",
    "KDUBS 130 12/1",    "KDUBS 130 12/2",     "KDUBS 130 12/3",    "KDUBS 130 12/4",
    "KDUBS 130 12/5",    "KDUBS 130 12/6",     "KDUBS 130 12/7",    "KDUBS 130 12/8",
    "KDUBS 130 12/9",    "KDUBS 130 12/10",
};

}  // namespace veltra
