#pragma once

#include <exception>
#include <utility>

#include <QString>

#include "platform/Platform.h"

class QWidget;

namespace trimerka {

// The report's title: the program's file name cut at the first full stop, every character after the first
// in lower case ("TRIMERKA.EXE" -> "Trimerka").
QString errorReportTitle(const QString& programFileName);
// The message with a full stop appended when the code of its last character is above that of the full stop.
QString errorReportMessage(const QString& message);
// Shows the general error report for an error that ended a handler.
void reportError(Platform& platform, QWidget* parent, const QString& message);

// Runs a handler so that no error escapes into Qt's event loop: whatever it throws ends the handler, leaves
// what it changed in place, and reaches the general error report.
template <class Handler> void guarded(Platform& platform, QWidget* parent, Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& e) {
        reportError(platform, parent, QString::fromUtf8(e.what()));
    }
}

} // namespace trimerka
