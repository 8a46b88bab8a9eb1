#pragma once

#include <QAccessibleWidget>

class QWidget;

namespace trimerka {

class VesselView;

// A vessel's bar as assistive technology sees it: a progress bar whose value is the amount out of the
// capacity, named after the vessel its object name stands for (sa, sb, sv): "Сосуд А: 3 литра из 8".
class VesselViewAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit VesselViewAccessible(VesselView* view);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;

    // QAccessibleValueInterface; the value is shown, not set.
    QVariant currentValue() const override;
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override;
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    VesselView* view() const;
};

// Registers the interfaces of the program's self-drawn views with Qt: the vessel bars and the constructor's
// colour squares ("Цвет жидкости сосуда А: #BAFEBD"). The views call it when they are created.
void installAccessibleViews();
// Tells assistive technology that a vessel's amount or capacity changed: its value and its name.
void notifyVesselChanged(VesselView& view);
// Tells assistive technology that a control's name, which it derives from what the control shows, changed.
void notifyNameChanged(QWidget& control);

} // namespace trimerka
