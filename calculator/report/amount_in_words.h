#pragma once
// The total in words as a Russian document writes it: the whole roubles or
// dollars in words with the currency's right form, the kopecks or cents in
// two digits with theirs, the first letter capital.

#include <string>

#include "catalogue/money.h"
#include "state/proposal.h"

namespace veltra {

// "Двадцать одна тысяча восемьсот семьдесят четыре доллара США 82 цента",
// "Один миллион двести тысяч рублей 00 копеек"; a fraction of a kopeck is
// rounded, halves away from zero; a negative amount starts with "Минус".
std::string AmountInWords(Money amount, ProposalCurrency currency);

// "рубль", "рубля" or "рублей" for n: the form a Russian noun takes after a
// number (one, few, many).
const char* NounForm(int64_t n, const char* one, const char* few, const char* many);

}  // namespace veltra
