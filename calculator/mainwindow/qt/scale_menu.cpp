// "Масштаб интерфейса" in the menu "Файл", above the recent files: the
// interface scale, kept in the desktop's settings for the next start.
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QSettings>

#include "main_form.h"
#include "mainwindow/interface_scale.h"

namespace veltra {

void MainForm::BuildScaleMenu() {
    auto* scale = new QMenu("&Масштаб интерфейса", fileMenu_);
    scale->setObjectName("InterfaceScale");
    fileMenu_->insertSeparator(recentSeparator_);
    fileMenu_->insertMenu(recentSeparator_, scale);
    auto* group = new QActionGroup(scale);
    static const char* const kCaptions[] = {"&100 %", "12&5 %", "15&0 %", "&200 %"};
    for (size_t i = 0; i < kInterfaceScales.size(); ++i) {
        const int percent = kInterfaceScales[i];
        QAction* action = scale->addAction(kCaptions[i]);
        action->setObjectName(QString("InterfaceScale%1").arg(percent));
        action->setCheckable(true);
        action->setActionGroup(group);
        connect(action, &QAction::triggered, this, [this, percent] {
            if (settings_) {
                settings_->setValue(kInterfaceScaleKey, percent);
                settings_->sync();
            }
            if (const auto message = ScaleChosenMessage(scaleInEffect_, percent))
                app_.platform.ShowMessage(*message, kAppTitle, MessageIcon::Information);
        });
        scaleActions_.push_back(action);
    }
    ShowInterfaceScale(100, 100);
}

void MainForm::ShowInterfaceScale(int inEffect, int chosen) {
    scaleInEffect_ = inEffect;
    for (size_t i = 0; i < scaleActions_.size(); ++i)
        scaleActions_[i]->setChecked(kInterfaceScales[i] == chosen);
}

}  // namespace veltra
