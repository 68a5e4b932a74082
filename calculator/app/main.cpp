// VeltraCalculator: start-up and the main window.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QStatusBar>

#include "catalogue/price_list.h"
#include "catalogue/startup.h"
#include "qt_platform.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    veltra::QtPlatform platform;
    veltra::App app(platform, veltra::SystemDecimalSeparator());

    const std::filesystem::path priceList =
        std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / "price.txt";
    try {
        veltra::RunEvent(app, [&] { veltra::StartUp(app, priceList); });
    } catch (const veltra::PriceListError& error) {
        QMessageBox::critical(nullptr, veltra::kAppTitle, QString::fromStdString(error.what()));
        return 1;
    }

    QMainWindow window;
    window.setWindowTitle(QString::fromUtf8(veltra::kMainWindowTitle));
    window.resize(7165 / 15, 6375 / 15);
    auto* cost = new QLabel(QString::fromStdString(app.main.status.panel1));
    window.statusBar()->addWidget(cost, 1);
    platform.SetParentWindow(&window);
    window.show();
    return application.exec();
}
