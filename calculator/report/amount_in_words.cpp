#include "amount_in_words.h"

#include <cstdint>

namespace veltra {

namespace {

const char* const kUnits[2][10] = {
    {"", "один", "два", "три", "четыре", "пять", "шесть", "семь", "восемь", "девять"},
    {"", "одна", "две", "три", "четыре", "пять", "шесть", "семь", "восемь", "девять"},
};
const char* const kTeens[10] = {"десять",       "одиннадцать", "двенадцать",  "тринадцать",
                                "четырнадцать", "пятнадцать",  "шестнадцать", "семнадцать",
                                "восемнадцать", "девятнадцать"};
const char* const kTens[10] = {"",          "",           "двадцать",  "тридцать",    "сорок",
                               "пятьдесят", "шестьдесят", "семьдесят", "восемьдесят", "девяносто"};
const char* const kHundreds[10] = {"",        "сто",      "двести",  "триста",    "четыреста",
                                   "пятьсот", "шестьсот", "семьсот", "восемьсот", "девятьсот"};

struct Scale {
    bool feminine;
    const char *one, *few, *many;
};
// Thousands are feminine ("одна тысяча", "две тысячи"), the rest masculine.
const Scale kScales[] = {
    {true, "тысяча", "тысячи", "тысяч"},
    {false, "миллион", "миллиона", "миллионов"},
    {false, "миллиард", "миллиарда", "миллиардов"},
    {false, "триллион", "триллиона", "триллионов"},
    {false, "квадриллион", "квадриллиона", "квадриллионов"},
};

void Append(std::string& text, const char* word) {
    if (*word == '\0') return;
    if (!text.empty()) text += ' ';
    text += word;
}

// One group of three digits, 1 to 999.
void AppendHundreds(std::string& text, int n, bool feminine) {
    Append(text, kHundreds[n / 100]);
    const int rest = n % 100;
    if (rest >= 10 && rest < 20) {
        Append(text, kTeens[rest - 10]);
        return;
    }
    Append(text, kTens[rest / 10]);
    Append(text, kUnits[feminine ? 1 : 0][rest % 10]);
}

// A whole number below 10^18 in words, masculine ("ноль" for 0).
std::string NumberInWords(uint64_t n) {
    if (n == 0) return "ноль";
    int groups[6] = {};
    for (int& group : groups) {
        group = int(n % 1000);
        n /= 1000;
    }
    std::string text;
    for (int g = 5; g >= 1; --g) {
        if (groups[g] == 0) continue;
        const Scale& scale = kScales[g - 1];
        AppendHundreds(text, groups[g], scale.feminine);
        Append(text, NounForm(groups[g], scale.one, scale.few, scale.many));
    }
    if (groups[0] != 0) AppendHundreds(text, groups[0], false);
    return text;
}

// Upper case of a leading Cyrillic or Latin lower-case letter.
std::string Capitalised(std::string text) {
    const auto b0 = static_cast<unsigned char>(text[0]);
    if (b0 >= 'a' && b0 <= 'z') {
        text[0] = char(b0 - 'a' + 'A');
    } else if (b0 == 0xD0 && text.size() > 1) {
        const auto b1 = static_cast<unsigned char>(text[1]);
        if (b1 >= 0xB0 && b1 <= 0xBF) text[1] = char(b1 - 0x20);  // а..п -> А..П
    } else if (b0 == 0xD1 && text.size() > 1) {
        const auto b1 = static_cast<unsigned char>(text[1]);
        if (b1 >= 0x80 && b1 <= 0x8F) {  // р..я -> Р..Я
            text[0] = char(0xD0);
            text[1] = char(b1 + 0x20);
        }
    }
    return text;
}

}  // namespace

const char* NounForm(int64_t n, const char* one, const char* few, const char* many) {
    const int64_t last2 = (n < 0 ? -(n % 100) : n % 100);
    if (last2 >= 11 && last2 <= 14) return many;
    if (last2 % 10 == 1) return one;
    if (last2 % 10 >= 2 && last2 % 10 <= 4) return few;
    return many;
}

std::string AmountInWords(Money amount, ProposalCurrency currency) {
    const bool negative = amount.raw() < 0;
    // In whole kopecks, from the magnitude so that the most negative amount
    // has one too.
    const uint64_t raw = negative ? 0 - uint64_t(amount.raw()) : uint64_t(amount.raw());
    const uint64_t perKopeck = uint64_t(Money::kScale / 100);
    uint64_t kopecks = raw / perKopeck;
    if (raw % perKopeck >= perKopeck / 2) kopecks += 1;
    const uint64_t whole = kopecks / 100;
    const int fraction = int(kopecks % 100);

    const bool rub = currency == ProposalCurrency::RUB;
    std::string text = negative ? "минус " : "";
    text += NumberInWords(whole);
    text += ' ';
    text += rub ? NounForm(int64_t(whole % 100), "рубль", "рубля", "рублей")
                : NounForm(int64_t(whole % 100), "доллар США", "доллара США", "долларов США");
    text += ' ';
    text += char('0' + fraction / 10);
    text += char('0' + fraction % 10);
    text += ' ';
    text += rub ? NounForm(fraction, "копейка", "копейки", "копеек")
                : NounForm(fraction, "цент", "цента", "центов");
    return Capitalised(text);
}

}  // namespace veltra
