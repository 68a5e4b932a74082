#include "look.h"

#include <QApplication>
#include <QFont>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTimer>

namespace veltra {

namespace {

// The menus' access letters are underlined only while the keyboard works
// the menus: from a press of Alt until the menus it opened are closed. A
// pointer user sees the captions as they always were; Alt alone puts the
// menu bar in keyboard mode.
class AccessKeyStyle : public QProxyStyle {
  public:
    explicit AccessKeyStyle(QStyle* base) : QProxyStyle(base) {}

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_UnderlineShortcut) return shown_ ? 1 : 0;
        if (hint == SH_MenuBar_AltKeyNavigation) return 1;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::KeyPress:
                if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Alt) {
                    altDown_ = true;
                    Show(true);
                } else if (shown_) {
                    RecheckSoon();
                }
                break;
            case QEvent::KeyRelease:
                if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Alt) {
                    altDown_ = false;
                    RecheckSoon();
                }
                break;
            case QEvent::MouseButtonPress:
                altDown_ = false;
                Show(false);
                break;
            case QEvent::Hide:
                if (shown_ && qobject_cast<QMenu*>(watched)) RecheckSoon();
                break;
            default:
                break;
        }
        return QProxyStyle::eventFilter(watched, event);
    }

  private:
    // Once the menus have handled the key: still in use by the keyboard?
    void RecheckSoon() {
        QTimer::singleShot(0, this, [this] {
            bool inUse = altDown_ || QApplication::activePopupWidget();
            for (QWidget* window : QApplication::topLevelWidgets()) {
                for (QMenuBar* bar : window->findChildren<QMenuBar*>())
                    inUse = inUse || bar->activeAction();
            }
            Show(inUse);
        });
    }

    void Show(bool shown) {
        if (shown == shown_) return;
        shown_ = shown;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (qobject_cast<QMenu*>(window)) window->update();
            for (QMenuBar* bar : window->findChildren<QMenuBar*>()) bar->update();
        }
    }

    bool shown_ = false;
    bool altDown_ = false;
};

}  // namespace

void ApplyLook(QApplication& application) {
    auto* style = new AccessKeyStyle(QStyleFactory::create("Fusion"));
    application.setStyle(style);  // the application owns it from now on
    application.installEventFilter(style);
    application.setPalette(application.style()->standardPalette());
    QFont font("DejaVu Sans");
    font.setPixelSize(11);
    application.setFont(font);
}

}  // namespace veltra
