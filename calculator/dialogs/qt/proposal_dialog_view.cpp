#include "proposal_dialog_view.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "state/calendar_date_input.h"

namespace veltra {

namespace {

QString Label(ProposalField field) {
    return QString::fromUtf8(InfoOf(field).label) + ":";
}

QGroupBox* Frame(const std::string& caption, QLayout* layout) {
    auto* frame = new QGroupBox(QString::fromStdString(caption));
    frame->setLayout(layout);
    return frame;
}

}  // namespace

ProposalDialogView::ProposalDialogView(App& app, ProposalDialog& model, QWidget* parent)
    : ModelDialog(app, model, parent) {
    setObjectName("ProposalDialog");
    entries_.reserve(kProposalFieldCount);
    for (size_t i = 0; i < kProposalFieldCount; ++i) {
        const auto field = ProposalField(i);
        const std::vector<std::string> offered =
            field == ProposalField::VatRate ? model.offeredVatRates : std::vector<std::string>{};
        entries_.emplace_back(
            this, InfoOf(field),
            [this, field](const std::string& text) {
                Forward([&] { SetProposalText(model_, field, text); });
            },
            offered);
    }

    auto* columns = new QHBoxLayout;
    columns->addWidget(BuildLeft(), 1);
    columns->addWidget(BuildTerms(), 1);

    help_ = DetailButton(this, model.help, [this] { Forward([&] { ProposalHelp_Click(app_); }); });
    help_->setObjectName("Help");
    help_->setFixedWidth(help_->sizeHint().height() + 8);
    pdf_ = DetailButton(this, model.pdf, [this] { Confirm(ProposalDialogResult::Pdf); });
    print_ = DetailButton(this, model.print, [this] { Confirm(ProposalDialogResult::Print); });
    ok_ = DetailButton(this, model.ok, [this] { Confirm(ProposalDialogResult::Saved); });
    ok_->setDefault(true);
    cancel_ = DetailButton(this, model.cancel, [this] { reject(); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(help_);
    buttons->addStretch(1);
    for (QPushButton* button : {pdf_, print_, ok_, cancel_}) buttons->addWidget(button);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);
    Render();
    resize(sizeHint().width() * 11 / 10, sizeHint().height());
}

QWidget* ProposalDialogView::BuildLeft() {
    const auto entry = [this](ProposalField field) { return entries_[size_t(field)].widget(); };
    auto* customer = new QFormLayout;
    for (ProposalField field :
         {ProposalField::Customer, ProposalField::Contact, ProposalField::Reach})
        customer->addRow(Label(field), entry(field));

    auto* proposal = new QFormLayout;
    proposal->addRow(Label(ProposalField::Number), entry(ProposalField::Number));
    auto* dates = new QHBoxLayout;
    dates->addWidget(entry(ProposalField::Date));
    dates->addSpacing(12);
    dates->addWidget(new QLabel(Label(ProposalField::ValidUntil)));
    dates->addWidget(entry(ProposalField::ValidUntil));
    dates->addStretch(1);
    proposal->addRow(Label(ProposalField::Date), dates);

    auto* currency = new QFormLayout;
    for (size_t i = 0; i < currencies_.size(); ++i) {
        auto* option = new QRadioButton(QString::fromStdString(model_.currencies[i]));
        option->setObjectName(i == 0 ? "CurrencyUSD" : "CurrencyRUB");
        option->setAutoExclusive(false);
        connect(option, &QRadioButton::clicked, this, [this, i] {
            Forward([&] { SelectProposalCurrency(model_, ProposalCurrency(i)); });
        });
        currencies_[i] = option;
        currency->addRow(option);
    }
    for (ProposalField field :
         {ProposalField::Rate, ProposalField::RateDate, ProposalField::Markup})
        currency->addRow(Label(field), entry(field));

    auto* vat = new QFormLayout;
    vatMode_ = new QComboBox;
    vatMode_->setObjectName("VatMode");
    for (const std::string& caption : model_.vatModes)
        vatMode_->addItem(QString::fromStdString(caption));
    connect(vatMode_, &QComboBox::activated, this,
            [this](int index) { Forward([&] { SelectProposalVatMode(model_, VatMode(index)); }); });
    vat->addRow(vatMode_);
    vat->addRow(Label(ProposalField::VatRate), entry(ProposalField::VatRate));
    vat->addRow(Label(ProposalField::VatReason), entry(ProposalField::VatReason));

    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Frame(model_.frames[0], customer));
    layout->addWidget(Frame(model_.frames[1], proposal));
    layout->addWidget(Frame(model_.frames[2], currency));
    layout->addWidget(Frame(model_.frames[3], vat));
    layout->addStretch(1);
    return column;
}

QWidget* ProposalDialogView::BuildTerms() {
    auto* terms = new QFormLayout;
    terms->setRowWrapPolicy(QFormLayout::WrapAllRows);
    for (ProposalField field : {ProposalField::Payment, ProposalField::Delivery,
                                ProposalField::Warranty, ProposalField::Note})
        terms->addRow(Label(field), entries_[size_t(field)].widget());
    cabinetPage_ = new QCheckBox(QString::fromStdString(model_.cabinetPage.caption));
    cabinetPage_->setObjectName("CabinetPage");
    connect(cabinetPage_, &QCheckBox::clicked, this,
            [this](bool on) { Forward([&] { SetProposalCabinetPage(model_, on); }); });
    terms->addRow(cabinetPage_);

    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Frame(model_.frames[4], terms));
    layout->addStretch(1);
    return column;
}

void ProposalDialogView::Confirm(ProposalDialogResult made) {
    Forward([&] { ConfirmProposal(app_, model_, made); });
    if (!model_.closed) entries_[size_t(model_.focus)].Focus();
}

void ProposalDialogView::Render() {
    for (size_t i = 0; i < kProposalFieldCount; ++i) entries_[i].Render(model_.entries[i]);
    for (size_t i = 0; i < currencies_.size(); ++i)
        currencies_[i]->setChecked(model_.currency == ProposalCurrency(i));
    vatMode_->setCurrentIndex(int(model_.vatMode));
    cabinetPage_->setChecked(model_.cabinetPage.checked);
    for (const auto& [button, model] : {std::pair{ok_, &model_.ok},
                                        {pdf_, &model_.pdf},
                                        {print_, &model_.print},
                                        {cancel_, &model_.cancel},
                                        {help_, &model_.help}})
        RenderDetailButton(button, *model);
}

ProposalDialogResult ShowProposalDialog(App& app, QWidget* parent) {
    ProposalDialog model = OpenProposalDialog(app, LocalToday());
    ProposalDialogView view(app, model, parent);
    view.exec();
    return model.result;
}

}  // namespace veltra
