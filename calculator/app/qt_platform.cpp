#include "qt_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>

namespace veltra {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

Colour FromQColor(const QColor& c) {
    return Rgb(c.red(), c.green(), c.blue());
}

}  // namespace

void QtPlatform::ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) {
    QMessageBox::Icon qtIcon = QMessageBox::NoIcon;
    switch (icon) {
        case MessageIcon::Critical:
            qtIcon = QMessageBox::Critical;
            break;
        case MessageIcon::Exclamation:
            qtIcon = QMessageBox::Warning;
            break;
        case MessageIcon::Information:
            qtIcon = QMessageBox::Information;
            break;
        case MessageIcon::None:
            break;
    }
    QMessageBox box(qtIcon, Q(title), Q(text), QMessageBox::Ok, parent_);
    // Messages quote file names and file contents: never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void QtPlatform::ShowPowerMessage() {
    if (powerMessage_) {
        powerMessage_();
    } else {
        ShowMessage("Потребляемая мощность превышает мощность источников питания.", " Внимание !",
                    MessageIcon::Exclamation);
    }
}

void QtPlatform::ShowHelp(const std::string& target, std::optional<int> context) {
    if (help_) help_(target, context);
}

void QtPlatform::OpenUrl(const std::string& url) {
    // Failures are ignored: no browser or mail program simply means nothing opens.
    QDesktopServices::openUrl(QUrl(Q(url)));
}

bool QtPlatform::OpenFile(const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(Q(path)));
}

std::optional<std::string> QtPlatform::DocumentsFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) return std::nullopt;
    return folder.toStdString();
}

std::optional<std::string> QtPlatform::InputBox(const std::string& prompt,
                                                const std::string& title) {
    bool ok = false;
    const QString answer =
        QInputDialog::getText(parent_, Q(title), Q(prompt), QLineEdit::Normal, QString(), &ok);
    if (!ok) return std::nullopt;
    return answer.toStdString();
}

Colour QtPlatform::GetSystemColour(SystemColour which) {
    const QPalette palette = QApplication::palette();
    switch (which) {
        case SystemColour::ButtonFace:
            return FromQColor(palette.color(QPalette::Button));
        case SystemColour::ButtonShadow:
            return FromQColor(palette.color(QPalette::Dark));
        case SystemColour::Window:
            return FromQColor(palette.color(QPalette::Base));
    }
    return 0;
}

char SystemDecimalSeparator() {
    const QLocale locale = QLocale::system();
    if (locale.language() == QLocale::C) return ',';
    const QString point = locale.decimalPoint();
    if (point.size() != 1 || point[0].unicode() > 0x7F) return ',';
    return char(point[0].unicode());
}

namespace {

const char* const kCalculationFilter = "Расчеты Veltra (*.veltra);;Все файлы (*)";

}  // namespace

Answer QtPlatform::AskYesNoCancel(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::Question, Q(title), Q(text), QMessageBox::NoButton, parent_);
    box.setTextFormat(Qt::PlainText);
    QPushButton* yes = box.addButton("Да", QMessageBox::YesRole);
    QPushButton* no = box.addButton("Нет", QMessageBox::NoRole);
    QPushButton* cancel = box.addButton("Отмена", QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes) return Answer::Yes;
    if (box.clickedButton() == no) return Answer::No;
    return Answer::Cancel;
}

namespace {

// The toolkit's own dialog speaks English without its translations
// installed; its labels are the program's language like every other box.
// A desktop's native dialog ignores them and speaks the desktop's.
std::optional<std::string> ChooseFile(QWidget* parent, const std::string& title,
                                      QFileDialog::AcceptMode mode, const QString& start) {
    QFileDialog dialog(parent, Q(title), QString(), QString(kCalculationFilter));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setLabelText(QFileDialog::LookIn, "Папка:");
    dialog.setLabelText(QFileDialog::FileName, "Имя файла:");
    dialog.setLabelText(QFileDialog::FileType, "Тип файлов:");
    dialog.setLabelText(QFileDialog::Accept,
                        mode == QFileDialog::AcceptOpen ? "Открыть" : "Сохранить");
    dialog.setLabelText(QFileDialog::Reject, "Отмена");
    if (mode == QFileDialog::AcceptSave) {
        // Added before the dialog asks about replacing a file, so it asks
        // about the name that is written.
        dialog.setDefaultSuffix("veltra");
        dialog.selectFile(start);
    } else if (!start.isEmpty()) {
        dialog.setDirectory(start);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

}  // namespace

std::optional<std::string> QtPlatform::ChooseFileToOpen(const std::string& title) {
    return ChooseFile(parent_, title, QFileDialog::AcceptOpen, Q(DocumentsFolder().value_or("")));
}

std::optional<std::string> QtPlatform::ChooseFileToSave(const std::string& title,
                                                        const std::string& suggested) {
    return ChooseFile(parent_, title, QFileDialog::AcceptSave, Q(suggested));
}

}  // namespace veltra
