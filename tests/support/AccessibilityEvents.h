#pragma once

#include <vector>

#include <QAccessible>
#include <QPointer>
#include <QString>
#include <QVariant>

namespace trimerka::testing {

// Turns the program's accessibility on as a screen reader does, and records every event the program sends
// to assistive technology while it lives. One at a time.
class AccessibilityEvents {
public:
    struct Event {
        QAccessible::Event type;
        QPointer<QObject> object; // the control, or null for a part without one (a grid cell)
        QString name;             // the name of what the event is about, read when it was sent
        QVariant value;           // ValueChanged
        int firstRow = -1;        // TableModelChanged
        int lastRow = -1;
        QAccessibleTableModelChangeEvent::ModelChangeType change =
            QAccessibleTableModelChangeEvent::DataChanged;
    };

    AccessibilityEvents();
    ~AccessibilityEvents();
    AccessibilityEvents(const AccessibilityEvents&) = delete;
    AccessibilityEvents& operator=(const AccessibilityEvents&) = delete;

    // The events of one type, in the order they were sent.
    std::vector<Event> ofType(QAccessible::Event type) const;

    std::vector<Event> events;

private:
    static void record(QAccessibleEvent* event);
    QAccessible::UpdateHandler previous_ = nullptr;
};

} // namespace trimerka::testing
