#pragma once

#include <QColor>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <filesystem>
#include <string>

#include "core/Task.h"

class QIcon;
class QKeyEvent;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace trimerka {

// Core colours keep red in the lowest byte.
QColor toQColor(Color c);
Color fromQColor(const QColor& c);

QString fromStd(const std::string& text);
// A file's path as Qt holds it, for the task-file functions.
std::filesystem::path toFilePath(const QString& path);

// The title bar of the program's fixed-size dialogs: a title and a close button, nothing to resize.
Qt::WindowFlags dialogFlags();

// Enter on the main keys or the keypad, with no modifier held.
bool isPlainEnter(const QKeyEvent& event);

// Fills the widget's background with one colour.
void setBackground(QWidget* widget, const QColor& color);
void setTextColor(QWidget* widget, const QColor& color);

// The program's pictures are SVG drawings, named by their resources (":/pictures/isaef.svg"). The build also
// renders them into pixels (resources/CMakeLists.txt), which serve screens of ratio 1 without drawing or
// decoding anything.

// A picture at the given size, its drawing's own size (another size is scaled from it); an absent resource
// leaves it transparent.
QPixmap picture(const QString& drawing, QSize size);
// The drawing's own size, as the build rendered it; invalid for an absent resource.
QSize pictureSize(const QString& drawing);
// Gives the label its picture, at the drawing's own size and sharp on a high-density screen, when the label
// is first shown: a window built at start but seldom opened reads its pictures only if it is opened.
void setNaturalPictureOnFirstShow(QLabel* label, const QString& drawing);
// An icon of the drawing, sharp on a high-density screen.
QIcon pictureIcon(const QString& drawing);
// The program's own icon, at the sizes a window system takes from a scalable icon.
QIcon programIcon();

// The two arrows that stand over vessel А's bar, made in the bar or in the area it fills, both hidden until a
// task shows them: "isaef" for an unlimited source and "isasl" for pouring back into it. Made in this order,
// so the pour-back arrow lies on top where the two overlap.
struct VesselArrows {
    QLabel* unlimited;
    QLabel* pourBack;
};
VesselArrows makeVesselArrows(QWidget* parent);

// A caption in Tahoma 11 px at (x, y), as wide as its text and 13 px high: Tahoma's line is 11 px, and the
// dots of "Ё" stand above it.
QLabel* makeCaption(QWidget* parent, const char* name, const QString& text, int x, int y, bool bold);

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, QRect geometry, bool bold);

// A flat button: a 16 px icon beside its text, raised only under the pointer.
QToolButton* makeFlatButton(QWidget* parent, const char* name, const QString& text, const QString& icon,
                            QRect geometry, const QFont& font);

// The statement: read-only, word-wrapped, vertical scroll bar always shown, black on white in a flat frame.
// Not reached by Tab, and Tab typed inside it moves on instead of inserting anything.
void setUpStatementMemo(QPlainTextEdit* memo);

// The statement's text size in points, set with the "+" and "-" buttons of the main and target-state windows.
constexpr int kMinStatementPoints = 8;
constexpr int kMaxStatementPoints = 19;
// The size one point larger (step +1) or smaller (-1); unchanged when that would leave the limits.
int stepStatementPoints(int points, int step);

} // namespace trimerka
