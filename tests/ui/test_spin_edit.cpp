#include <QApplication>
#include <QFocusEvent>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include "ui/SpinEdit.h"

using trimerka::SpinEdit;

namespace {

// An editor with the range 1..99 showing `text`, as a capacity editor of the constructor.
struct Editor {
    explicit Editor(const QString& text, int minimum = 1, int maximum = 99) {
        spin.setRange(minimum, maximum);
        spin.setText(text);
        spin.resize(90, 22);
    }
    SpinEdit spin;
};

void leave(SpinEdit& spin, Qt::FocusReason reason) {
    QFocusEvent event(QEvent::FocusOut, reason);
    QApplication::sendEvent(&spin, &event);
}

} // namespace

TEST(SpinEdit, ValueIsTheWholeNumberInTheTextOrTheMinimum) {
    struct Row {
        const char* name;
        const char* text;
        int expected;
    };
    const Row rows[] = {
        {"number in range", "42", 42},
        {"number above the range while typing", "150", 150},
        {"negative number while typing", "-5", -5},
        {"zero below a minimum of 1", "0", 0},
        {"empty text counts as the minimum", "", 1},
        {"lone minus counts as the minimum", "-", 1},
        {"lone plus counts as the minimum", "+", 1},
        {"sign inside the digits is no number", "5-3", 1},
        {"number beyond 32 bits counts as the minimum", "99999999999", 1},
    };
    for (const Row& row : rows) {
        Editor editor(QString::fromUtf8(row.text));
        EXPECT_EQ(editor.spin.value(), row.expected) << row.name;
    }
}

TEST(SpinEdit, SetValuePullsIntoTheRangeBeforeShowing) {
    struct Row {
        const char* name;
        int minimum;
        int maximum;
        int set;
        const char* shown;
    };
    const Row rows[] = {
        {"inside", 1, 99, 50, "50"},
        {"above gives the maximum", 1, 99, 150, "99"},
        {"below gives the minimum", 1, 99, -5, "1"},
        {"zero into 0..0", 0, 0, 7, "0"},
        {"maximum below minimum: the minimum wins", 0, -3, 5, "0"},
    };
    for (const Row& row : rows) {
        Editor editor(QStringLiteral("12"), row.minimum, row.maximum);
        editor.spin.setValue(row.set);
        EXPECT_EQ(editor.spin.text(), QString::fromLatin1(row.shown)) << row.name;
    }
}

TEST(SpinEdit, ArrowsAndUpDownKeysStepByOneIntoTheRange) {
    enum class Step { UpKey, DownKey, UpArrow, DownArrow };
    struct Row {
        const char* name;
        const char* start;
        Step step;
        const char* shown;
    };
    const Row rows[] = {
        {"up key adds one", "50", Step::UpKey, "51"},
        {"down key subtracts one", "50", Step::DownKey, "49"},
        {"up arrow adds one", "50", Step::UpArrow, "51"},
        {"down arrow subtracts one", "50", Step::DownArrow, "49"},
        {"up at the maximum stays", "99", Step::UpKey, "99"},
        {"down at the minimum stays", "1", Step::DownArrow, "1"},
        {"up from a typed value above the range gives the maximum", "150", Step::UpArrow, "99"},
        {"down from a typed negative value gives the minimum", "-5", Step::DownKey, "1"},
        {"down from an empty text gives the minimum", "", Step::DownKey, "1"},
        {"up from an empty text counts from the minimum", "", Step::UpKey, "2"},
    };
    for (const Row& row : rows) {
        Editor editor(QString::fromUtf8(row.start));
        editor.spin.show();
        switch (row.step) {
        case Step::UpKey:
            QTest::keyClick(&editor.spin, Qt::Key_Up);
            break;
        case Step::DownKey:
            QTest::keyClick(&editor.spin, Qt::Key_Down);
            break;
        case Step::UpArrow:
            QTest::mouseClick(editor.spin.upButton(), Qt::LeftButton);
            break;
        case Step::DownArrow:
            QTest::mouseClick(editor.spin.downButton(), Qt::LeftButton);
            break;
        }
        EXPECT_EQ(editor.spin.text(), QString::fromUtf8(row.shown)) << row.name;
    }
}

TEST(SpinEdit, LeavingForAnotherControlPullsAnOutOfRangeValueIntoTheRange) {
    struct Row {
        const char* name;
        const char* typed;
        Qt::FocusReason reason;
        const char* shown;
    };
    const Row rows[] = {
        {"above the range by Tab", "150", Qt::TabFocusReason, "99"},
        {"negative by a click elsewhere", "-5", Qt::MouseFocusReason, "1"},
        {"zero by Shift+Tab", "0", Qt::BacktabFocusReason, "1"},
        {"in range stays", "50", Qt::TabFocusReason, "50"},
        {"empty text counts as the minimum and stays empty", "", Qt::TabFocusReason, ""},
        {"a dialog opening over the window corrects nothing", "150", Qt::ActiveWindowFocusReason, "150"},
        {"a popup opening corrects nothing", "0", Qt::PopupFocusReason, "0"},
    };
    for (const Row& row : rows) {
        Editor editor(QString::fromUtf8(row.typed));
        leave(editor.spin, row.reason);
        EXPECT_EQ(editor.spin.text(), QString::fromUtf8(row.shown)) << row.name;
    }
}

TEST(SpinEdit, EveryKeystrokeChangesTheValueEvenOutOfRange) {
    Editor editor(QStringLiteral("99"));
    QSignalSpy changes(&editor.spin, &QLineEdit::textChanged);
    editor.spin.selectAll();
    QTest::keyClicks(&editor.spin, QStringLiteral("50"));
    ASSERT_EQ(changes.size(), 2);
    EXPECT_EQ(changes[0][0].toString(), QStringLiteral("5"));
    EXPECT_EQ(changes[1][0].toString(), QStringLiteral("50"));

    QTest::keyClicks(&editor.spin, QStringLiteral("0"));
    EXPECT_EQ(editor.spin.value(), 500) << "typing may leave the range";
}

TEST(SpinEdit, OnlyDigitsAndSignsCanBeTyped) {
    Editor editor(QStringLiteral("12"));
    editor.spin.end(false);
    QTest::keyClicks(&editor.spin, QStringLiteral("a,. "));
    EXPECT_EQ(editor.spin.text(), QStringLiteral("12"));
    editor.spin.home(false);
    QTest::keyClicks(&editor.spin, QStringLiteral("-"));
    EXPECT_EQ(editor.spin.text(), QStringLiteral("-12"));
}

TEST(SpinEdit, InsertedTextIsTakenOnlyWhenMadeOfAsciiDigitsAndSigns) {
    struct Row {
        const char* name;
        const char* inserted;
        const char* text;
    };
    const Row rows[] = {
        {"digits and both signs", "+-0123456789", "12+-0123456789"},
        {"nothing", "", "12"},
        {"a letter after digits", "3a", "12"},
        {"a space", " ", "12"},
        {"an Arabic-Indic three", "\u0663", "12"},
        {"a fullwidth one", "\uFF11", "12"},
        {"a minus sign that is not a hyphen", "\u2212", "12"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Editor editor(QStringLiteral("12"));
        editor.spin.end(false);
        editor.spin.insert(QString::fromUtf8(row.inserted));
        EXPECT_EQ(editor.spin.text(), QString::fromUtf8(row.text));
    }
}

TEST(SpinEdit, ChangingTheMaximumLeavesTheTextAndSignalsNothing) {
    Editor editor(QStringLiteral("60"));
    QSignalSpy changes(&editor.spin, &QLineEdit::textChanged);
    editor.spin.setMaximum(50);
    EXPECT_EQ(editor.spin.text(), QStringLiteral("60"));
    EXPECT_EQ(editor.spin.maximum(), 50);
    EXPECT_EQ(changes.size(), 0);
}

TEST(SpinEdit, SettingTheValueItAlreadyShowsSignalsNothing) {
    Editor editor(QStringLiteral("60"));
    QSignalSpy changes(&editor.spin, &QLineEdit::textChanged);
    editor.spin.setValue(60);
    editor.spin.setValue(150); // pulled to 99: a change
    editor.spin.setValue(99);
    EXPECT_EQ(changes.size(), 1);
}

TEST(SpinEdit, ArrowsNeverTakeTheFocusAndFollowTheEditorsEnabledState) {
    Editor editor(QStringLiteral("5"));
    EXPECT_EQ(editor.spin.upButton()->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(editor.spin.downButton()->focusPolicy(), Qt::NoFocus);
    editor.spin.setEnabled(false);
    EXPECT_FALSE(editor.spin.upButton()->isEnabled());
    EXPECT_FALSE(editor.spin.downButton()->isEnabled());
}
