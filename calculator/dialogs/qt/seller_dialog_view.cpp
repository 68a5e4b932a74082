#include "seller_dialog_view.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "state/calendar_date_input.h"

namespace veltra {

namespace {

QString Label(SellerField field) {
    return QString::fromUtf8(InfoOf(field).label) + ":";
}

QGroupBox* Frame(const std::string& caption, QLayout* layout) {
    auto* frame = new QGroupBox(QString::fromStdString(caption));
    frame->setLayout(layout);
    return frame;
}

}  // namespace

SellerDialogView::SellerDialogView(App& app, SellerDialog& model, QWidget* parent)
    : ModelDialog(app, model, parent) {
    setObjectName("SellerDialog");
    entries_.reserve(kSellerFieldCount);
    for (size_t i = 0; i < kSellerFieldCount; ++i) {
        const auto field = SellerField(i);
        const std::vector<std::string> offered =
            field == SellerField::VatRate ? model.offeredVatRates : std::vector<std::string>{};
        entries_.emplace_back(
            this, InfoOf(field),
            [this, field](const std::string& text) {
                Forward([&] { SetSellerDialogText(model_, field, text); });
            },
            offered);
    }

    auto* columns = new QHBoxLayout;
    columns->addWidget(BuildSeller(), 1);
    columns->addWidget(BuildDefaults(), 1);

    help_ = DetailButton(this, model.help, [this] { Forward([&] { SellerHelp_Click(app_); }); });
    help_->setObjectName("Help");
    help_->setFixedWidth(help_->sizeHint().height() + 8);
    ok_ = DetailButton(this, model.ok, [this] {
        Forward([&] { ConfirmSeller(app_, model_); });
        if (!model_.closed) entries_[size_t(model_.focus)].Focus();
    });
    ok_->setDefault(true);
    cancel_ = DetailButton(this, model.cancel, [this] { reject(); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(help_);
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);
    Render();
    resize(sizeHint().width() * 11 / 10, sizeHint().height());
}

QWidget* SellerDialogView::BuildSeller() {
    const auto rows = [this](std::initializer_list<SellerField> fields) {
        auto* form = new QFormLayout;
        for (SellerField field : fields)
            form->addRow(Label(field), entries_[size_t(field)].widget());
        return form;
    };
    QFormLayout* seller =
        rows({SellerField::Organisation, SellerField::InnKpp, SellerField::Address,
              SellerField::Telephone, SellerField::Email, SellerField::Website});
    seller->addRow(Label(SellerField::BankDetails),
                   entries_[size_t(SellerField::BankDetails)].widget());
    QFormLayout* signer = rows({SellerField::SignerPosition, SellerField::SignerName});

    auto* logo = new QVBoxLayout;
    logo->addWidget(new QLabel(QString::fromStdString(model_.logoLabel)));
    auto* file = new QHBoxLayout;
    logo_ = new QLabel;
    logo_->setObjectName("Logo");
    logo_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    chooseLogo_ = DetailButton(this, model_.chooseLogo, [this] { ChooseLogo(); });
    clearLogo_ =
        DetailButton(this, model_.clearLogo, [this] { Forward([&] { ClearSellerLogo(model_); }); });
    file->addWidget(logo_, 1);
    file->addWidget(chooseLogo_);
    file->addWidget(clearLogo_);
    logo->addLayout(file);

    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Frame(model_.frames[0], seller));
    layout->addWidget(Frame(model_.frames[1], signer));
    layout->addWidget(Frame(model_.frames[2], logo));
    layout->addStretch(1);
    return column;
}

QWidget* SellerDialogView::BuildDefaults() {
    const auto entry = [this](SellerField field) { return entries_[size_t(field)].widget(); };
    auto* form = new QFormLayout;
    form->addRow(Label(SellerField::NumberPrefix), entry(SellerField::NumberPrefix));
    form->addRow(Label(SellerField::NextNumber), entry(SellerField::NextNumber));
    sample_ = new QLabel;
    sample_->setObjectName("NumberSample");
    form->addRow(sample_);
    form->addRow(Label(SellerField::ValidityDays), entry(SellerField::ValidityDays));
    vatMode_ = new QComboBox;
    vatMode_->setObjectName("VatMode");
    for (const std::string& caption : model_.vatModes)
        vatMode_->addItem(QString::fromStdString(caption));
    connect(vatMode_, &QComboBox::activated, this,
            [this](int index) { Forward([&] { SelectSellerVatMode(model_, VatMode(index)); }); });
    form->addRow("НДС:", vatMode_);
    form->addRow(Label(SellerField::VatRate), entry(SellerField::VatRate));
    form->addRow(Label(SellerField::VatReason), entry(SellerField::VatReason));
    auto* terms = new QFormLayout;
    terms->setRowWrapPolicy(QFormLayout::WrapAllRows);
    for (SellerField field : {SellerField::Payment, SellerField::Delivery, SellerField::Warranty})
        terms->addRow(Label(field), entry(field));
    auto* all = new QVBoxLayout;
    all->addLayout(form);
    all->addLayout(terms);

    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Frame(model_.frames[3], all));
    layout->addStretch(1);
    return column;
}

void SellerDialogView::ChooseLogo() {
    const QString start = model_.logoPath.empty()
                              ? QString()
                              : QFileInfo(QString::fromStdString(model_.logoPath)).absolutePath();
    const QString path =
        QFileDialog::getOpenFileName(this, QString::fromStdString(model_.frames[2]), start,
                                     "Рисунки PNG и JPEG (*.png *.jpg *.jpeg *.PNG *.JPG *.JPEG)");
    if (!path.isEmpty()) LogoChosen(path);
}

void SellerDialogView::LogoChosen(const QString& path) {
    Forward([&] { ChooseSellerLogo(app_, model_, path.toStdString()); });
}

void SellerDialogView::Render() {
    for (size_t i = 0; i < kSellerFieldCount; ++i) entries_[i].Render(model_.entries[i]);
    vatMode_->setCurrentIndex(int(model_.vatMode));
    logo_->setText(QString::fromStdString(model_.logoCaption));
    logo_->setToolTip(QString::fromStdString(model_.logoPath));
    sample_->setText(QString::fromStdString(model_.numberSample));
    for (const auto& [button, model] : {std::pair{ok_, &model_.ok},
                                        {cancel_, &model_.cancel},
                                        {chooseLogo_, &model_.chooseLogo},
                                        {clearLogo_, &model_.clearLogo},
                                        {help_, &model_.help}})
        RenderDetailButton(button, *model);
}

bool ShowSellerDialog(App& app, QWidget* parent) {
    SellerDialog model = OpenSellerDialog(app, LocalToday());
    SellerDialogView view(app, model, parent);
    return view.exec() == QDialog::Accepted;
}

}  // namespace veltra
