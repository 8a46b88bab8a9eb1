#include "ui/AccessibleViews.h"

#include <QAccessible>

#include "core/ScreenReaderText.h"
#include "ui/ConstructorWindow.h"
#include "ui/Controls.h"
#include "ui/VesselView.h"

namespace trimerka {

namespace {

// The vessel a control's object name stands for by its letter after "s": sa, sb, sv; sac1, sbc2; -1 for none.
int vesselOfName(const QString& name) {
    if (name.size() < 2 || name.at(0) != QLatin1Char('s')) {
        return -1;
    }
    for (int v = 0; v < kVesselCount; ++v) {
        if (name.at(1) == QLatin1Char(kVesselKeyLetters[v])) {
            return v;
        }
    }
    return -1;
}

// A colour square of the constructor: s?c1 holds the vessel's fill colour, s?c2 the colour of its empty part.
class ColorSquareAccessible : public QAccessibleWidget {
public:
    explicit ColorSquareAccessible(constructor::ColorSquare* square)
        : QAccessibleWidget(square, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        const auto* square = static_cast<const constructor::ColorSquare*>(widget());
        const int vessel = vesselOfName(square->objectName());
        if (t != QAccessible::Name || vessel < 0 || !widget()->accessibleName().isEmpty()) {
            return QAccessibleWidget::text(t);
        }
        const bool fill = square->objectName().endsWith(QLatin1String("c1"));
        return fromStd(ColorSpokenName(vessel, fill, fromQColor(square->color())));
    }
};

QAccessibleInterface* viewFactory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) {
        return nullptr;
    }
    if (className == QLatin1String(VesselView::staticMetaObject.className())) {
        return new VesselViewAccessible(static_cast<VesselView*>(object));
    }
    if (className == QLatin1String(constructor::ColorSquare::staticMetaObject.className())) {
        return new ColorSquareAccessible(static_cast<constructor::ColorSquare*>(object));
    }
    return nullptr;
}

} // namespace

VesselViewAccessible::VesselViewAccessible(VesselView* view)
    : QAccessibleWidget(view, QAccessible::ProgressBar) {}

VesselView* VesselViewAccessible::view() const {
    return static_cast<VesselView*>(widget());
}

void* VesselViewAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface) {
        return static_cast<QAccessibleValueInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QString VesselViewAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name || !widget()->accessibleName().isEmpty()) {
        return QAccessibleWidget::text(t);
    }
    const int vessel = vesselOfName(view()->objectName());
    if (vessel < 0) {
        return fromStd(LitresText(view()->amount())) + QStringLiteral(" из ") +
               QString::number(view()->capacity());
    }
    return fromStd(VesselSpokenName(vessel, view()->amount(), view()->capacity()));
}

QVariant VesselViewAccessible::currentValue() const {
    return view()->amount();
}

QVariant VesselViewAccessible::maximumValue() const {
    return view()->capacity();
}

void installAccessibleViews() {
    static bool installed = false;
    if (!installed) {
        installed = true;
        QAccessible::installFactory(viewFactory);
    }
}

void notifyVesselChanged(VesselView& view) {
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleValueChangeEvent value(&view, view.amount());
    QAccessible::updateAccessibility(&value);
    notifyNameChanged(view);
}

void notifyNameChanged(QWidget& control) {
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleEvent name(&control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
}

} // namespace trimerka
