#include "sample_proposal.h"

#include "handling/recalculate.h"
#include "state/app.h"

namespace veltra {

void SetSampleProposal(App& app) {
    SellerDetails& s = app.seller;
    s.organisation = "ООО «Связь-Интеграция»";
    s.innKpp = "ИНН 7701234567 / КПП 770101001";
    s.address = "119021, г. Москва, ул. Льва Толстого, д. 16, офис 4";
    s.telephone = "+7 495 123-45-67";
    s.email = "sales@svyaz-integr.ru";
    s.website = "www.svyaz-integr.ru";
    s.bankDetails =
        "р/с 40702810900000012345 в ПАО «Банк», г. Москва\n"
        "к/с 30101810400000000225, БИК 044525225";
    s.signerPosition = "Коммерческий директор";
    s.signerName = "А. В. Смирнов";

    ProposalDetails& p = app.proposal;
    p.customerOrganisation = "АО «Северный терминал»";
    p.customerContact = "Петров Сергей Иванович";
    p.customerReach = "+7 812 765-43-21, petrov@sevterminal.ru";
    p.number = "КП-2026-0042";
    p.date = {2026, 12, 9};
    p.validUntil = {2027, 1, 8};
    p.paymentTerms = "предоплата 50 %, остаток — по уведомлению о готовности к отгрузке";
    p.deliveryTerms = "самовывоз со склада в Москве, 10 рабочих дней после оплаты";
    p.warranty = "12 месяцев с даты поставки";
    p.note = "Монтаж и пусконаладка оцениваются отдельно после обследования объекта.";
}

void SetSampleRoubles(App& app) {
    ProposalDetails& p = app.proposal;
    p.currency = ProposalCurrency::RUB;
    p.rate = *Money::Parse("92,5061", ',');
    p.rateDate = {2026, 12, 9};
    p.rateMarkupPercent = Money::FromUnits(2);
}

void AddManyItemsByHand(App& app, int count) {
    for (CatalogueItem& item : app.catalogue) {
        if (count == 0) break;
        if (item.ItemLevel != 0 || item.ItemPrice <= Money() || item.ItemCalcQty > 0 ||
            item.ItemAddQty > 0)
            continue;
        item.ItemAddQty = 1;
        --count;
    }
    RecalculateAll(app);
}

}  // namespace veltra
