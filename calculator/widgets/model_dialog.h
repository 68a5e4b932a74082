#pragma once
// The modal window over a dialog's or keypad's model, the base of every such
// view: each forwarded handler runs as one event, then the window redraws
// from the model, or closes once the model has closed. The window's close
// control and Escape run the model's own close handling (by default: closed,
// storing nothing); F1 opens the window's help topic, which every model
// names with a function WindowHelpTopic(const Model&).

#include <QDialog>
#include <QKeyEvent>
#include <QTimer>

#include "control_widgets.h"
#include "state/app.h"

namespace veltra {

template <class Model>
class ModelDialog : public QDialog {
  public:
    ModelDialog(App& app, Model& model, QWidget* parent)
        : QDialog(parent), app_(app), model_(model) {
        setWindowTitle(QString::fromStdString(model.title));
        // Opened from the keyboard, the focus shows at once, as it did in
        // the window below.
        keyboardOpened_ = parent && parent->window()->testAttribute(Qt::WA_KeyboardFocusChange);
    }

    // Redraws every control from the model.
    virtual void Render() = 0;

    void reject() override {
        if (!model_.closed) RunEvent(app_, [this] { CloseModel(); });
        QDialog::reject();
    }

  protected:
    bool event(QEvent* event) override {
        // Activation gives the first control the focus as a click would;
        // once that is done, the focus frame is asked for.
        if (event->type() == QEvent::WindowActivate && keyboardOpened_) {
            keyboardOpened_ = false;
            QTimer::singleShot(0, this, [this] {
                setAttribute(Qt::WA_KeyboardFocusChange);
                if (QWidget* focus = focusWidget()) focus->update();
            });
        }
        return QDialog::event(event);
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::HelpContents)) {
            Forward([this] { ShowHelp(app_, WindowHelpTopic(model_)); });
            return event->accept();
        }
        QDialog::keyPressEvent(event);
    }

    template <class Handler>
    void Forward(Handler&& handler) {
        RunEvent(app_, handler);
        if (model_.closed) {
            accept();
            return;
        }
        Render();
        AfterEvent();
    }
    // A push button whose click runs `handler` as one event.
    template <class Handler>
    QPushButton* Button(QWidget* parent, const FlatButton& button, Handler handler) {
        QPushButton* widget = AddButton(parent, button);
        QObject::connect(widget, &QPushButton::clicked, this,
                         [this, handler] { Forward(handler); });
        return widget;
    }
    // Runs after each redraw, for a request the model left for its window.
    virtual void AfterEvent() {}
    // What the window's close control means to the model.
    virtual void CloseModel() { model_.closed = true; }

    App& app_;
    Model& model_;

  private:
    bool keyboardOpened_ = false;
};

}  // namespace veltra
