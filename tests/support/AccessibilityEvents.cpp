#include "support/AccessibilityEvents.h"

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace trimerka::testing {

namespace {

AccessibilityEvents* current = nullptr;

void setActive(bool active) {
    // What the platform's bridge does when a screen reader starts: Qt then sends events at all.
    if (QPlatformAccessibility* accessibility =
            QGuiApplicationPrivate::platformIntegration()->accessibility()) {
        accessibility->setActive(active);
    }
}

} // namespace

AccessibilityEvents::AccessibilityEvents() {
    current = this;
    previous_ = QAccessible::installUpdateHandler(&AccessibilityEvents::record);
    setActive(true);
}

AccessibilityEvents::~AccessibilityEvents() {
    setActive(false);
    QAccessible::installUpdateHandler(previous_);
    current = nullptr;
}

std::vector<AccessibilityEvents::Event> AccessibilityEvents::ofType(QAccessible::Event type) const {
    std::vector<Event> found;
    for (const Event& event : events) {
        if (event.type == type) {
            found.push_back(event);
        }
    }
    return found;
}

void AccessibilityEvents::record(QAccessibleEvent* event) {
    if (!current) {
        return;
    }
    Event recorded;
    recorded.type = event->type();
    recorded.object = event->object();
    if (QAccessibleInterface* iface = event->accessibleInterface()) {
        recorded.name = iface->text(QAccessible::Name);
    }
    if (event->type() == QAccessible::ValueChanged) {
        recorded.value = static_cast<QAccessibleValueChangeEvent*>(event)->value();
    }
    if (event->type() == QAccessible::TableModelChanged) {
        const auto* change = static_cast<QAccessibleTableModelChangeEvent*>(event);
        recorded.firstRow = change->firstRow();
        recorded.lastRow = change->lastRow();
        recorded.change = change->modelChangeType();
    }
    current->events.push_back(recorded);
}

} // namespace trimerka::testing
