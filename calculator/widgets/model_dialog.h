#pragma once
// The modal window over a dialog's or keypad's model, the base of every such
// view: each forwarded handler runs as one event, then the window redraws
// from the model, or closes once the model has closed. The window's close
// control and Escape run the model's own close handling (by default: closed,
// storing nothing).

#include <QDialog>

#include "control_widgets.h"
#include "state/app.h"

namespace veltra {

template <class Model>
class ModelDialog : public QDialog {
  public:
    ModelDialog(App& app, Model& model, QWidget* parent)
        : QDialog(parent), app_(app), model_(model) {
        setWindowTitle(QString::fromStdString(model.title));
    }

    // Redraws every control from the model.
    virtual void Render() = 0;

    void reject() override {
        if (!model_.closed) RunEvent(app_, [this] { CloseModel(); });
        QDialog::reject();
    }

  protected:
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
};

}  // namespace veltra
