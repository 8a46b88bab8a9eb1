#pragma once

#include <functional>
#include <memory>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include "platform/Fonts.h"
#include "support/FakePlatform.h"
#include "widgets/CellGrid.h"

namespace trimerka::testing {

// A delegate whose answers a test sets as functions; an answer left unset keeps the grid's own behaviour.
struct ScriptedDelegate : CellGridDelegate {
    std::function<bool(QWidget& typedInto, int column, int row, QChar character)> accepts;
    std::function<bool(int column, int row)> allowsChange;
    std::function<QString(int column, int row, const QString& text)> changed;
    std::function<QString(int column, int row, const QString& text)> entered;
    std::function<QChar(QChar character)> typed;

    bool acceptsCharacter(QWidget& typedInto, int column, int row, QChar character) override {
        return accepts ? accepts(typedInto, column, row, character) : true;
    }
    bool allowsCellChange(CellGrid&, int column, int row) override {
        return allowsChange ? allowsChange(column, row) : true;
    }
    QString changedCellText(CellGrid&, int column, int row, const QString& text) override {
        return changed ? changed(column, row, text) : text;
    }
    QString enteredCellText(CellGrid&, int column, int row, const QString& text) override {
        return entered ? entered(column, row, text) : text;
    }
    QChar typedCharacter(CellGrid&, QChar character) override { return typed ? typed(character) : character; }
};

// An editable grid of four columns of 80 pixels and fifteen rows, cell (c, r) holding "c:r".
inline std::unique_ptr<CellGrid> makeSheet(Platform& platform, int cols = 4, int rows = 15) {
    auto g = std::make_unique<CellGrid>(platform);
    g->resize(420, 200);
    g->setColumnCount(cols);
    g->setRowCount(rows);
    g->setGutterContent(GutterContent::Numbers);
    for (int c = 0; c < cols; ++c)
        for (int r = 0; r < rows; ++r)
            g->setCellText(c, r, QStringLiteral("%1:%2").arg(c).arg(r));
    return g;
}

// Shows the grid as an active window with the keyboard focus on it.
inline void showFocused(QWidget& window, QWidget& focus) {
    window.show();
    window.activateWindow();
    (void)QTest::qWaitForWindowActive(&window);
    focus.setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
}

// Pointer events go to the viewport, as the window system delivers them.
inline void hover(CellGrid& g, QPoint p) {
    QMouseEvent e(QEvent::MouseMove, p, g.viewport()->mapToGlobal(p), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(g.viewport(), &e);
}

inline void dragMove(CellGrid& g, QPoint p) {
    QMouseEvent e(QEvent::MouseMove, p, g.viewport()->mapToGlobal(p), Qt::NoButton, Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(g.viewport(), &e);
}

// A press acts on the zone shown at the last move, so a click moves there first, as a hand does.
inline void click(CellGrid& g, QPoint p, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    hover(g, p);
    QTest::mouseClick(g.viewport(), Qt::LeftButton, mods, p);
}

inline void drag(CellGrid& g, QPoint from, QPoint to) {
    hover(g, from);
    QTest::mousePress(g.viewport(), Qt::LeftButton, Qt::NoModifier, from);
    dragMove(g, to);
    QTest::mouseRelease(g.viewport(), Qt::LeftButton, Qt::NoModifier, to);
}

inline QPoint cellCentre(const CellGrid& g, int c, int r) {
    return g.cellRect(c, r).toQRect().center();
}

inline void typeText(QWidget& w, const QString& text) {
    for (QChar ch : text) {
        const int key = ch.unicode() == 8 ? Qt::Key_Backspace : 0;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(&w, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(&w, &release);
    }
}

inline CellRange area(int l, int t, int r, int b) {
    return {l, t, r, b};
}

} // namespace trimerka::testing
