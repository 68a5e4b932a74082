// Pages 1 to 5 of the main window: the count fields, option groups, check
// boxes and drop-down lists.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

#include "handling/main_window_inputs.h"
#include "main_form.h"
#include "mainwindow/field_buttons.h"
#include "mainwindow/step_names.h"
#include "widgets/conversions.h"
#include "widgets/icons.h"

namespace veltra {

namespace {

constexpr OptionGroupId kGroups[] = {OptionGroupId::PowerStandard, OptionGroupId::PowerAcc,
                                     OptionGroupId::MDFBox, OptionGroupId::MDFOpenCable,
                                     OptionGroupId::Arrestor};

}  // namespace

void MainForm::BuildField(const char* label, const char* field, const char* button) {
    const FieldInfo& info = *FindField(field);
    Place(new QLabel(QString::fromUtf8(info.label)), label);

    auto* edit = new QLineEdit;
    Place(edit, field);
    // Only the program writes the fields; whatever writes one runs its handling.
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::ClickFocus);
    fields_[size_t(info.id)] = edit;
    connect(edit, &QLineEdit::textChanged, this, [this, id = info.id](const QString& text) {
        if (text.toStdString() != app_.main.field(id).text)
            Step(FieldStepName(id), [&] { SetFieldText(app_, id, text.toStdString()); });
    });

    auto* tool = new QToolButton;
    Place(tool, button);
    const FieldButton& kind = *FindButton(button);
    tool->setIcon(kind.kind == ButtonKind::InputCalc ? CalculatorButtonIcon() : DialogButtonIcon());
    connect(tool, &QToolButton::clicked, this, [this, button] { OnFieldButton(button); });
}

void MainForm::BuildOptionGroup(int group) {
    const OptionGroupId id = kGroups[group];
    const OptionGroup& model = OptionGroupOf(app_, id);
    auto* buttons = new QButtonGroup(this);
    groups_[size_t(group)] = buttons;
    for (int i = model.firstIndex; i <= model.lastIndex(); ++i) {
        const std::string name = ArrayName(model.name, i);
        auto* radio = new QRadioButton(QString::fromStdString(model.at(i).caption));
        Place(radio, PlaceOf(name).name);
        buttons->addButton(radio, i);
        connect(radio, &QRadioButton::clicked, this, [this, id, i] {
            if (!OptionGroupOf(app_, id).IsSelected(i))
                Step(OptionStepName(id), [&] { SelectOption(app_, id, i); });
        });
    }
}

void MainForm::BuildAccessPage() {
    BuildField("LabelAnalogExt", "AnalogExtText", "ARFlatBttn2");
    BuildField("LabelDigitalExt", "DigitalExtText", "ARFlatBttn4");

    mfuCheck_ = new QCheckBox(QString::fromStdString(app_.main.MFUCheck.caption));
    Place(mfuCheck_, "MFUCheck");
    connect(mfuCheck_, &QCheckBox::clicked, this, [this](bool checked) {
        Step(app_.main.MFUCheck.caption, [&] { SetMFUCheck(app_, checked); });
    });

    mfuFlash_ = new QComboBox;
    Place(mfuFlash_, "MFU_Flash");
    for (const std::string& entry : app_.main.MFU_Flash.entries)
        mfuFlash_->addItem(QString::fromStdString(entry));
    connect(mfuFlash_, &QComboBox::activated, this,
            [this](int index) { Step(kMfuFlashStep, [&] { SelectMFUFlash(app_, index); }); });

    Place(new QLabel("Автоподсчет по схеме:"), "LabelCombo1");
    combo1_ = new QComboBox;
    Place(combo1_, "Combo1");
    for (const std::string& entry : app_.main.Combo1.entries)
        combo1_->addItem(QString::fromStdString(entry));
    connect(combo1_, &QComboBox::activated, this,
            [this](int index) { Step(kCombo1Step, [&] { SelectCombo1(app_, index); }); });

    auto* help = new QToolButton;
    Place(help, "ARFlatBttn1");
    help->setIcon(HelpButtonIcon());
    connect(help, &QToolButton::clicked, this, [this] { OnFieldButton("ARFlatBttn1"); });

    Place(PageFrame("Цифровые аппарты"), "Frame1");
    BuildField("LabelBasic", "BasicText", "ARFlatBttn5");
    BuildField("LabelEconomy", "EconomyText", "ARFlatBttn6");
    BuildField("LabelStandard", "StandardText", "ARFlatBttn7");
    BuildField("LabelExecutive", "ExecutiveText", "ARFlatBttn8");
    BuildField("LabelOperator", "OperatorText", "ARFlatBttn9");
    BuildField("LabelDss1", "Dss1Text", "ARFlatBttn10");
    BuildField("LabelDss2", "Dss2Text", "ARFlatBttn11");
    auto* phones = new QToolButton;
    Place(phones, "ARFlatBttn3");
    phones->setIcon(HelpButtonIcon());
    connect(phones, &QToolButton::clicked, this, [this] { OnFieldButton("ARFlatBttn3"); });
}

void MainForm::BuildTrunkPage() {
    BuildField("LabelAnTrunk", "AnTrunkText", "Command13");
    BuildField("LabelE1Trunk", "E1TrunkText", "Command14");
    BuildField("LabelBRITrunk", "BRITrunkText", "Command15");
    BuildField("LabelFecu", "FecuText", "Command1");
    BuildField("LabelIPU", "IPUText", "Command3");
    auto* help = new QToolButton;
    Place(help, "Command20");
    help->setIcon(HelpButtonIcon());
    connect(help, &QToolButton::clicked, this, [this] { OnFieldButton("Command20"); });
}

void MainForm::BuildCordlessPage() {
    BuildField("LabelBS", "BSText", "Command16");
    BuildField("LabelMobile", "MobileText", "Command17");
}

void MainForm::BuildPowerPage() {
    BuildOptionGroup(0);
    Place(PageFrame("Аккумуляторное резервирование"), "PowerAccFrame");
    BuildOptionGroup(1);
}

void MainForm::BuildFramePage() {
    BuildOptionGroup(2);
    Place(PageFrame("Открытый кроссовый кабель"), "MDFOpenCableFrame");
    BuildOptionGroup(3);
    onlyStationCheck_ =
        new QCheckBox(QString::fromStdString(app_.main.OnlyStationMDFCheck.caption));
    Place(onlyStationCheck_, "OnlyStationMDFCheck");
    connect(onlyStationCheck_, &QCheckBox::clicked, this, [this](bool checked) {
        Step(app_.main.OnlyStationMDFCheck.caption, [&] { SetOnlyStationMDFCheck(app_, checked); });
    });
    Place(PageFrame("Грозозащита (защита от перенапряжений)"), "ArrestorsFrame");
    BuildOptionGroup(4);
}

void MainForm::RenderFields() {
    const QPalette base = palette();
    for (const FieldInfo& info : kFields) {
        QLineEdit* edit = fields_[size_t(info.id)];
        const TextBox& field = app_.main.field(info.id);
        const QString text = QString::fromStdString(field.text);
        if (edit->text() != text) {
            const QSignalBlocker block(edit);
            edit->setText(text);
            edit->setCursorPosition(0);
        }
        QPalette palette = base;
        palette.setColor(QPalette::Base,
                         ToQColor(app_.platform.GetSystemColour(
                             field.background == Background::Window ? SystemColour::Window
                                                                    : SystemColour::ButtonFace)));
        edit->setPalette(palette);
    }
}

void MainForm::RenderOptions() {
    const MainWindowModel& w = app_.main;
    auto check = [](QCheckBox* box, const CheckBox& model) {
        const QSignalBlocker block(box);
        box->setChecked(model.checked);
        box->setEnabled(model.enabled);
    };
    check(mfuCheck_, w.MFUCheck);
    check(onlyStationCheck_, w.OnlyStationMDFCheck);

    auto combo = [this](QComboBox* box, const ComboBox& model) {
        const QSignalBlocker block(box);
        box->setCurrentIndex(model.index);
        box->setVisible(model.visible);
        QPalette palette = this->palette();
        palette.setColor(QPalette::Button,
                         ToQColor(app_.platform.GetSystemColour(
                             model.background == Background::Window ? SystemColour::Window
                                                                    : SystemColour::ButtonFace)));
        box->setPalette(palette);
    };
    combo(mfuFlash_, w.MFU_Flash);
    combo(combo1_, w.Combo1);

    for (size_t g = 0; g < groups_.size(); ++g) {
        const OptionGroup& model = OptionGroupOf(app_, kGroups[g]);
        for (int i = model.firstIndex; i <= model.lastIndex(); ++i) {
            QAbstractButton* radio = groups_[g]->button(i);
            const QSignalBlocker block(radio);
            radio->setChecked(model.at(i).selected);
            radio->setEnabled(model.at(i).enabled);
        }
    }
    Container("PowerAccFrame")->setEnabled(w.PowerAccFrameEnabled);
    Container("ArrestorsFrame")->setEnabled(w.ArrestorsFrameEnabled);
}

}  // namespace veltra
