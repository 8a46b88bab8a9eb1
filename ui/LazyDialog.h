#pragma once

#include <QDialog>

namespace trimerka {

// A window the program creates at start but seldom opens: its controls are made when it is first shown, or
// when something first asks for them, so that a start-up that never opens it does not pay for them.
class LazyDialog : public QDialog {
public:
    using QDialog::QDialog;

    // Makes the window's controls, the first time only.
    void ensureBuilt() {
        if (!built_) {
            built_ = true;
            buildControls();
        }
    }
    bool isBuilt() const { return built_; }

    void setVisible(bool visible) override {
        if (visible) {
            ensureBuilt();
        }
        QDialog::setVisible(visible);
    }

protected:
    virtual void buildControls() = 0;

private:
    bool built_ = false;
};

} // namespace trimerka
