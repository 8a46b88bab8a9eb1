#include <functional>

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

#include "support/ConstructorFixture.h"
#include "ui/ConstructorWindow.h"
#include "ui/SpinEdit.h"
#include "ui/VesselView.h"

using trimerka::BevelPanel;
using trimerka::ConstructorWindow;
using trimerka::SpinEdit;
using trimerka::VesselView;
using trimerka::constructor::ColorSquare;

namespace {

class ConstructorTest : public trimerka::testing::ConstructorFixture {
protected:
    // Replaces the whole text of an editor by typing, one keystroke after another.
    void typeOver(QWidget* editor, const QString& text) {
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            line->selectAll();
        }
        QTest::keyClicks(editor, text);
    }
    // A current file, as right after "Сохранить настройки как ...": saving disabled until the next edit.
    void makeCurrentFile() {
        platform.saveAnswers.push_back(folder.filePath(QStringLiteral("current.tmk")));
        QTest::mouseClick(get<QPushButton>("SpeedButton8"), Qt::LeftButton);
        ASSERT_FALSE(currentFile().isEmpty());
        ASSERT_FALSE(saveButton()->isEnabled());
    }
};

TEST_F(ConstructorTest, WindowIsAFixedClientAreaWithItsCaption) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Настройка параметров задания"));
    EXPECT_EQ(form.size(), QSize(913, 484));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMinMaxButtonsHint);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowCloseButtonHint);
}

TEST_F(ConstructorTest, ControlsStandAtTheirPlacesWithinTheirParents) {
    struct Row {
        const char* name;
        const char* parent;
        QRect geometry;
    };
    const Row rows[] = {
        {"GroupBox1", "Form2", {8, 8, 681, 453}},
        {"Panel1", "GroupBox1", {24, 25, 97, 25}},
        {"Panel2", "GroupBox1", {240, 25, 97, 25}},
        {"Panel3", "GroupBox1", {459, 25, 97, 25}},
        {"Panel4", "GroupBox1", {24, 56, 97, 185}},
        {"Panel5", "GroupBox1", {240, 56, 97, 185}},
        {"Panel10", "GroupBox1", {459, 56, 97, 185}},
        {"sa", "Panel4", {0, 0, 97, 185}},
        {"sb", "Panel5", {0, 0, 97, 185}},
        {"sv", "Panel10", {0, 0, 97, 185}},
        {"isaef", "sa", {12, 130, 46, 50}},
        {"isasl", "sa", {40, 120, 46, 50}},
        {"sac1", "GroupBox1", {167, 56, 25, 25}},
        {"sac2", "GroupBox1", {198, 56, 25, 25}},
        {"sbc1", "GroupBox1", {383, 56, 25, 25}},
        {"sbc2", "GroupBox1", {414, 56, 25, 25}},
        {"svc1", "GroupBox1", {599, 56, 25, 25}},
        {"svc2", "GroupBox1", {630, 56, 25, 25}},
        {"saef", "GroupBox1", {127, 84, 97, 17}},
        {"sah", "GroupBox1", {127, 124, 90, 22}},
        {"saem", "GroupBox1", {127, 172, 90, 22}},
        {"saet", "GroupBox1", {127, 219, 90, 22}},
        {"sbh", "GroupBox1", {343, 124, 90, 22}},
        {"sbem", "GroupBox1", {343, 172, 90, 22}},
        {"sbet", "GroupBox1", {343, 219, 90, 22}},
        {"svh", "GroupBox1", {562, 124, 90, 22}},
        {"svem", "GroupBox1", {562, 172, 90, 22}},
        {"svet", "GroupBox1", {562, 219, 90, 22}},
        {"rb1", "GroupBox1", {24, 244, 345, 17}},
        {"rb2", "GroupBox1", {24, 263, 345, 17}},
        {"Bevel1", "GroupBox1", {10, 286, 660, 2}},
        {"fz", "GroupBox1", {24, 313, 329, 122}},
        {"ns", "GroupBox1", {371, 312, 284, 21}},
        {"ns1", "GroupBox1", {371, 339, 284, 21}},
        {"ns2", "GroupBox1", {371, 366, 284, 21}},
        {"ns3", "GroupBox1", {371, 393, 284, 21}},
        {"GroupBox2", "Form2", {695, 8, 210, 118}},
        {"Panel6", "GroupBox2", {12, 25, 58, 25}},
        {"Panel7", "GroupBox2", {78, 25, 58, 25}},
        {"Panel8", "GroupBox2", {143, 25, 58, 25}},
        {"saer", "GroupBox2", {13, 60, 58, 22}},
        {"sber", "GroupBox2", {79, 60, 58, 22}},
        {"sver", "GroupBox2", {144, 60, 58, 22}},
        {"krres", "GroupBox2", {13, 92, 190, 16}},
        {"SpeedButton7", "Form2", {707, 134, 189, 40}},
        {"SpeedButton8", "Form2", {707, 180, 189, 41}},
        {"SpeedButton2", "Form2", {707, 227, 189, 41}},
        {"SpeedButton6", "Form2", {707, 274, 189, 40}},
        {"SpeedButton1", "Form2", {707, 421, 189, 40}},
        {"Panel9", "Form2", {0, 467, 913, 17}},
    };
    for (const Row& row : rows) {
        QWidget* widget = get(row.name);
        ASSERT_NE(widget, nullptr) << row.name;
        EXPECT_EQ(widget->parentWidget()->objectName(), QString::fromLatin1(row.parent)) << row.name;
        EXPECT_EQ(widget->geometry(), row.geometry) << row.name;
    }
    EXPECT_EQ(get("Label13")->pos(), QPoint(24, 293));
    EXPECT_EQ(get("Label14")->pos(), QPoint(371, 293));
    EXPECT_EQ(get("put_tmk")->pos(), QPoint(5, 2));
}

TEST_F(ConstructorTest, ColumnLabelsStandAtTheLeftEdgeOfEachColumnsEditors) {
    struct Row {
        const char* text;
        int top;
    };
    const Row rows[] = {{"Цвет:", 62}, {"Высота:", 105}, {"Ёмкость (Max):", 153}, {"Ёмкость (Тек):", 200}};
    for (const Row& row : rows) {
        QList<int> lefts;
        for (auto* label : get<QGroupBox>("GroupBox1")->findChildren<QLabel*>()) {
            if (label->text() == QString::fromUtf8(row.text)) {
                EXPECT_EQ(label->y(), row.top) << row.text;
                lefts << label->x();
            }
        }
        EXPECT_EQ(lefts, QList<int>({127, 343, 562})) << row.text;
    }
}

TEST_F(ConstructorTest, CaptionsAndFonts) {
    struct Row {
        const char* name;
        const char* caption;
        bool bold;
    };
    const Row rows[] = {
        {"GroupBox1", " Исходные данные ", true},
        {"GroupBox2", " Результат ", true},
        {"Panel1", "Сосуд \"А\"", true},
        {"Panel2", "Сосуд \"Б\"", true},
        {"Panel3", "Сосуд \"В\"", true},
        {"Panel6", "А", true},
        {"Panel7", "Б", true},
        {"Panel8", "В", true},
        {"saef", "Бесконечный", true},
        {"rb1", "При переливании МОЖНО сливать жидкость в Сосуд \"А\"", true},
        {"rb2", "При переливании НЕЛЬЗЯ сливать жидкость в Сосуд \"А\"", true},
        {"Label13", "Формулировка задания:", true},
        {"Label14", "Названия столбиков:", true},
        {"krres", "Контролировать решение задачи", false},
        {"SpeedButton7", "Загрузить настройки", true},
        {"SpeedButton8", "Сохранить настройки как ...", true},
        {"SpeedButton2", "Сохранить настройки", true},
        {"SpeedButton6", "Сбросить настройки", true},
        {"SpeedButton1", "Закрыть", true},
        {"ns", nullptr, false},
        {"ns1", nullptr, false},
        {"fz", nullptr, false},
        {"put_tmk", nullptr, false},
        {"sah", nullptr, true},
        {"saer", nullptr, true},
    };
    for (const Row& row : rows) {
        QWidget* widget = get(row.name);
        ASSERT_NE(widget, nullptr) << row.name;
        EXPECT_EQ(widget->font().bold(), row.bold) << row.name;
        EXPECT_EQ(widget->font().pixelSize(), 11) << row.name;
        if (!row.caption) {
            continue;
        }
        QString caption;
        if (auto* box = qobject_cast<QGroupBox*>(widget)) {
            caption = box->title();
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            caption = button->text();
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            caption = label->text();
        } else if (auto* panel = qobject_cast<BevelPanel*>(widget)) {
            caption = panel->caption();
        }
        EXPECT_EQ(caption, QString::fromUtf8(row.caption)) << row.name;
    }
}

TEST_F(ConstructorTest, PanelsSquaresAndStatementEditorShowTheirColours) {
    const QImage image = form.grab().toImage();
    struct Row {
        const char* name;
        QPoint inside; // a point within the control, away from its caption and bevel
        QColor color;
    };
    const Row rows[] = {
        {"Panel1", {4, 4}, QColor(148, 186, 243)}, {"Panel8", {4, 4}, QColor(148, 186, 243)},
        {"sac1", {12, 12}, QColor(186, 254, 189)}, {"svc2", {12, 12}, QColor(230, 230, 230)},
        {"fz", {300, 100}, QColor(255, 255, 255)}, {"fz", {0, 60}, QColor(0, 0, 0)},
    };
    for (const Row& row : rows) {
        QWidget* widget = get(row.name);
        const QPoint at = widget->mapTo(&form, row.inside);
        EXPECT_EQ(image.pixelColor(at), row.color) << row.name;
    }
    EXPECT_EQ(get("sac1")->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(ConstructorTest, StatementEditorWrapsAtItsWidthWithTheScrollBarAlwaysShown) {
    auto* fz = get<QTextEdit>("fz");
    EXPECT_EQ(fz->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(fz->frameShape(), QFrame::Box);
    EXPECT_EQ(fz->frameShadow(), QFrame::Plain);
    EXPECT_EQ(fz->lineWidth(), 1);
    EXPECT_EQ(fz->lineWrapColumnOrWidth(), fz->viewport()->width());
    EXPECT_EQ(fz->palette().color(QPalette::Inactive, QPalette::Highlight),
              fz->palette().color(QPalette::Active, QPalette::Highlight));
}

TEST_F(ConstructorTest, TabOrderSkipsDisabledControls) {
    const auto order = [&] {
        QStringList names;
        QWidget* start = get("saef");
        QWidget* w = start;
        do {
            if (w->isEnabled() && w->isVisible() && (w->focusPolicy() & Qt::TabFocus) &&
                w->window() == &form) {
                names << w->objectName();
            }
            w = w->nextInFocusChain();
        } while (w != start);
        return names;
    };
    EXPECT_EQ(order(),
              QStringList({"saef", "sah", "saem", "saet", "sbh", "sbem", "sbet", "svh", "svem", "svet", "fz",
                           "ns", "ns1", "ns2", "ns3", "saer", "sber", "sver", "krres"}));
    get<QCheckBox>("saef")->setChecked(true);
    EXPECT_EQ(order(), QStringList({"saef", "rb1", "rb2", "sbh", "sbem", "sbet", "svh", "svem", "svet", "fz",
                                    "ns", "ns1", "ns2", "ns3", "sber", "sver", "krres"}));
}

// Each showing starts with the focus on "Бесконечный", wherever the teacher left it when the window closed.
TEST_F(ConstructorTest, EveryShowingStartsWithTheFocusOnTheUnlimitedBox) {
    EXPECT_EQ(form.focusWidget(), get("saef")) << "first showing";
    for (const char* leftIn : {"sbem", "fz", "ns3", "sver", "krres"}) {
        get(leftIn)->setFocus(Qt::MouseFocusReason);
        ASSERT_EQ(form.focusWidget(), get(leftIn)) << leftIn;
        QTest::mouseClick(get<QPushButton>("SpeedButton1"), Qt::LeftButton);
        ASSERT_FALSE(form.isVisible()) << leftIn;
        form.show();
        EXPECT_EQ(form.focusWidget(), get("saef")) << "shown again after the focus was in " << leftIn;
    }
}

TEST_F(ConstructorTest, CommandButtonsNeverTakeTheFocus) {
    for (const char* name :
         {"SpeedButton7", "SpeedButton8", "SpeedButton2", "SpeedButton6", "SpeedButton1"}) {
        EXPECT_EQ(get(name)->focusPolicy(), Qt::NoFocus) << name;
    }
}

// Editing a capacity: each row starts from capacity 99 with the given amount and target and edits the
// capacity editor; the amount editor's texts are recorded as they change.
TEST_F(ConstructorTest, CapacityRuleFollowsEveryIntermediateValue) {
    struct Row {
        const char* name;
        int amount;
        int target;
        std::function<void(SpinEdit*)> edit;
        QStringList amountTexts;
        const char* capacityText;
        const char* finalAmount;
        const char* finalTarget;
    };
    QStringList stepping;
    for (int a = 59; a >= 50; --a) {
        stepping << QString::number(a);
    }
    const Row rows[] = {
        {"stepping 99 down to 50 with amount 60, target 40", 60, 40,
         [](SpinEdit* e) {
             for (int i = 0; i < 49; ++i) {
                 QTest::keyClick(e, Qt::Key_Down);
             }
         },
         stepping, "50", "50", "40"},
        {"typing 50 over a selected 99",
         99,
         99,
         [this](SpinEdit* e) { typeOver(e, QStringLiteral("50")); },
         {"5"},
         "50",
         "5",
         "5"},
        {"backspacing both digits of 99",
         99,
         99,
         [](SpinEdit* e) {
             e->end(false);
             QTest::keyClick(e, Qt::Key_Backspace);
             QTest::keyClick(e, Qt::Key_Backspace);
         },
         {"9", "1"},
         "",
         "1",
         "1"},
        {"an amount equal to the new capacity is left alone",
         50,
         50,
         [](SpinEdit* e) { e->setValue(50); },
         {},
         "50",
         "50",
         "50"},
        {"raising the capacity lowers nothing",
         30,
         20,
         [](SpinEdit* e) {
             e->setValue(40);
             e->setValue(60);
         },
         {},
         "60",
         "30",
         "20"},
    };
    for (const Row& row : rows) {
        form.resetToDefaultTask();
        SpinEdit* capacity = spin("sbem");
        SpinEdit* amount = spin("sbet");
        SpinEdit* target = spin("sber");
        amount->setValue(row.amount);
        target->setValue(row.target);
        QSignalSpy amountChanges(amount, &QLineEdit::textChanged);
        row.edit(capacity);
        QStringList texts;
        for (const auto& change : amountChanges) {
            texts << change[0].toString();
        }
        EXPECT_EQ(texts, row.amountTexts) << row.name;
        EXPECT_EQ(capacity->text(), QString::fromLatin1(row.capacityText)) << row.name;
        EXPECT_EQ(amount->text(), QString::fromLatin1(row.finalAmount)) << row.name;
        EXPECT_EQ(target->text(), QString::fromLatin1(row.finalTarget)) << row.name;
        EXPECT_EQ(amount->maximum(), capacity->value()) << row.name;
        EXPECT_EQ(target->maximum(), capacity->value()) << row.name;
        EXPECT_EQ(bar("sb")->capacity(), capacity->value()) << row.name;
        EXPECT_EQ(bar("sb")->amount(), amount->value()) << row.name;
        EXPECT_TRUE(platform.errors.empty()) << row.name;
    }
}

TEST_F(ConstructorTest, NegativeCapacityIsRefusedByTheBarAndCorrectedOnLeaving) {
    SpinEdit* capacity = spin("saem");
    typeOver(capacity, QStringLiteral("-5"));
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_EQ(platform.errors[0].message, QStringLiteral("Value must be between 1 and 2147483647."));
    // The lone "-" counted as 1 and ran the rule; "-5" stopped at the bar.
    EXPECT_EQ(bar("sa")->capacity(), 1);
    EXPECT_EQ(spin("saet")->text(), QStringLiteral("1"));
    EXPECT_EQ(spin("saet")->maximum(), 1);

    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(capacity, &leave);
    EXPECT_EQ(capacity->text(), QStringLiteral("1"));
    EXPECT_EQ(platform.errors.size(), 1u);
}

TEST_F(ConstructorTest, HeightRuleAppliesTheTypedHeightAndNeverLeavesTheEditorEmpty) {
    struct Row {
        const char* name;
        const char* typed;
        const char* shown;
        int barHeight;
    };
    const Row rows[] = {
        {"a height in range", "30", "30", 30},
        {"above the range applies as typed", "300", "300", 300},
        {"emptied puts 185 back at once", "", "185", 185},
    };
    for (const Row& row : rows) {
        form.resetToDefaultTask();
        SpinEdit* height = spin("svh");
        height->selectAll();
        if (*row.typed) {
            QTest::keyClicks(height, QString::fromLatin1(row.typed));
        } else {
            QTest::keyClick(height, Qt::Key_Backspace);
        }
        EXPECT_EQ(height->text(), QString::fromLatin1(row.shown)) << row.name;
        EXPECT_EQ(bar("sv")->barHeight(), row.barHeight) << row.name;
    }
    form.resetToDefaultTask();
    spin("sbh")->setText(QStringLiteral("40"));
    EXPECT_EQ(bar("sb")->barRect(), QRect(0, 145, 97, 40)) << "the bar stays at the bottom of its area";
}

TEST_F(ConstructorTest, AmountAndTargetEditors) {
    spin("sbem")->setValue(12);
    spin("sbet")->setValue(6);
    EXPECT_EQ(bar("sb")->amount(), 6);
    spin("sber")->setValue(50);
    EXPECT_EQ(spin("sber")->text(), QStringLiteral("12")) << "the target is limited by the capacity";
    EXPECT_EQ(bar("sb")->amount(), 6) << "the target is not previewed";
}

TEST_F(ConstructorTest, UnlimitedSourceTakesOverVesselAsBarAndEnablesTheRadioPair) {
    spin("saem")->setValue(12);
    spin("saet")->setValue(5);
    spin("sah")->setValue(50);
    spin("saer")->setValue(3);
    auto* saef = get<QCheckBox>("saef");
    auto* rb1 = get<QRadioButton>("rb1");
    auto* rb2 = get<QRadioButton>("rb2");
    QWidget* isaef = get("isaef");
    QWidget* isasl = get("isasl");

    QTest::mouseClick(saef, Qt::LeftButton);
    ASSERT_TRUE(saef->isChecked());
    EXPECT_EQ(bar("sa")->capacity(), 99);
    EXPECT_EQ(bar("sa")->amount(), 99);
    EXPECT_EQ(bar("sa")->barHeight(), 185);
    for (const char* name : {"saem", "saet", "sah", "saer"}) {
        EXPECT_FALSE(spin(name)->isEnabled()) << name;
    }
    EXPECT_EQ(spin("saem")->text(), QStringLiteral("12"));
    EXPECT_EQ(spin("saet")->text(), QStringLiteral("5"));
    EXPECT_EQ(spin("sah")->text(), QStringLiteral("50"));
    EXPECT_EQ(spin("saer")->text(), QStringLiteral("3"));
    EXPECT_TRUE(rb1->isEnabled());
    EXPECT_TRUE(rb2->isEnabled());
    EXPECT_TRUE(isaef->isVisible());
    EXPECT_TRUE(isasl->isVisible());

    QTest::mouseClick(rb2, Qt::LeftButton);
    EXPECT_TRUE(rb2->isChecked());
    EXPECT_TRUE(isaef->isVisible());
    EXPECT_FALSE(isasl->isVisible());
    QTest::mouseClick(rb1, Qt::LeftButton);
    EXPECT_TRUE(isasl->isVisible());
    QTest::mouseClick(rb2, Qt::LeftButton);

    QTest::mouseClick(saef, Qt::LeftButton);
    ASSERT_FALSE(saef->isChecked());
    EXPECT_EQ(bar("sa")->capacity(), 12);
    EXPECT_EQ(bar("sa")->amount(), 5);
    EXPECT_EQ(bar("sa")->barHeight(), 50);
    for (const char* name : {"saem", "saet", "sah", "saer"}) {
        EXPECT_TRUE(spin(name)->isEnabled()) << name;
    }
    EXPECT_FALSE(rb1->isEnabled());
    EXPECT_FALSE(rb2->isEnabled());
    EXPECT_TRUE(rb2->isChecked()) << "the pair keeps its selection while disabled";
    EXPECT_FALSE(isaef->isVisible());
    EXPECT_FALSE(isasl->isVisible());
    EXPECT_TRUE(get("sac1")->isEnabled()) << "vessel А's colours stay usable";
}

TEST_F(ConstructorTest, ColourSquaresChooseThroughTheColourDialogWithTheSixteenPresets) {
    struct Row {
        const char* square;
        const char* bar;
        bool fill;
    };
    const Row rows[] = {{"sac1", "sa", true},  {"sac2", "sa", false}, {"sbc1", "sb", true},
                        {"sbc2", "sb", false}, {"svc1", "sv", true},  {"svc2", "sv", false}};
    const QColor chosen(10, 20, 30);
    for (const Row& row : rows) {
        auto* square = get<ColorSquare>(row.square);
        const QColor before = square->color();
        platform.colorAnswers.push_back(std::nullopt);
        QTest::mouseClick(square, Qt::LeftButton);
        EXPECT_EQ(square->color(), before) << row.square << " cancelled";

        platform.colorAnswers.push_back(chosen);
        QTest::mouseClick(square, Qt::LeftButton);
        EXPECT_EQ(square->color(), chosen) << row.square;
        EXPECT_EQ(row.fill ? bar(row.bar)->fillColor() : bar(row.bar)->emptyColor(), chosen) << row.square;
        ASSERT_FALSE(platform.colorRequests.empty());
        EXPECT_EQ(platform.colorRequests.back(), before) << row.square << " starts from the square's colour";
    }
    ASSERT_FALSE(platform.colorPresets.empty());
    const auto& presets = platform.colorPresets.front();
    EXPECT_EQ(presets[0], QColor(178, 178, 178));
    EXPECT_EQ(presets[4], QColor(38, 88, 149));
    EXPECT_EQ(presets[6], QColor(13, 200, 50));
    EXPECT_EQ(presets[15], QColor(180, 203, 152));
}

// Every kind of edit, applied once without and once with a current file.
TEST_F(ConstructorTest, SaveEnablingRuleNeedsACurrentFileAndNeverDisables) {
    struct Row {
        const char* name;
        std::function<void()> edit;
        bool enablesWithFile;
    };
    const auto color = [this](const char* square, std::optional<QColor> answer) {
        platform.colorAnswers.push_back(answer);
        QTest::mouseClick(get(square), Qt::LeftButton);
    };
    const Row rows[] = {
        {"capacity typed", [this] { typeOver(spin("svem"), QStringLiteral("7")); }, true},
        {"capacity stepped", [this] { QTest::keyClick(spin("saem"), Qt::Key_Down); }, true},
        {"amount typed", [this] { typeOver(spin("sbet"), QStringLiteral("3")); }, true},
        {"target typed", [this] { typeOver(spin("sver"), QStringLiteral("4")); }, true},
        {"height stepped", [this] { QTest::keyClick(spin("sbh"), Qt::Key_Down); }, true},
        {"fill colour chosen", [&] { color("sbc1", QColor(1, 2, 3)); }, true},
        {"the same colour chosen again", [&] { color("sbc2", QColor(230, 230, 230)); }, true},
        {"colour dialog cancelled", [&] { color("sac1", std::nullopt); }, false},
        {"unlimited ticked", [this] { QTest::mouseClick(get("saef"), Qt::LeftButton); }, true},
        {"pour-back forbidden",
         [this] {
             get<QCheckBox>("saef")->setChecked(true);
             form.findChild<QPushButton*>("SpeedButton2")->setEnabled(false);
             QTest::mouseClick(get("rb2"), Qt::LeftButton);
         },
         true},
        {"solution control ticked", [this] { QTest::mouseClick(get("krres"), Qt::LeftButton); }, true},
        {"statement typed", [this] { QTest::keyClicks(get("fz"), QStringLiteral("x")); }, true},
        {"common title typed", [this] { QTest::keyClicks(get("ns"), QStringLiteral("x")); }, true},
        {"column title typed", [this] { QTest::keyClicks(get("ns3"), QStringLiteral("x")); }, true},
    };
    for (const Row& row : rows) {
        form.resetToDefaultTask();
        row.edit();
        EXPECT_FALSE(saveButton()->isEnabled()) << row.name << " without a current file";
        EXPECT_TRUE(currentFile().isEmpty()) << row.name;

        form.resetToDefaultTask();
        makeCurrentFile();
        row.edit();
        EXPECT_EQ(saveButton()->isEnabled(), row.enablesWithFile) << row.name << " with a current file";
    }
}

TEST_F(ConstructorTest, EveryShowingStartsFromTheDefaults) {
    makeCurrentFile();
    typeOver(spin("saem"), QStringLiteral("8"));
    spin("sbh")->setValue(40);
    get<QCheckBox>("saef")->setChecked(true);
    get<QRadioButton>("rb2")->setChecked(true);
    get<QCheckBox>("krres")->setChecked(true);
    get<QTextEdit>("fz")->setPlainText(QStringLiteral("другое"));
    get<QLineEdit>("ns2")->setText(QStringLiteral("другое"));
    platform.colorAnswers.push_back(QColor(1, 2, 3));
    QTest::mouseClick(get("svc1"), Qt::LeftButton);

    QTest::mouseClick(get("SpeedButton1"), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    platform.showModal(form);

    const trimerka::TaskDefinition defaults;
    EXPECT_EQ(form.task(), defaults);
    EXPECT_TRUE(currentFile().isEmpty());
    EXPECT_FALSE(saveButton()->isEnabled());
    EXPECT_TRUE(get<QRadioButton>("rb1")->isChecked());
    EXPECT_FALSE(get("rb1")->isEnabled());
    EXPECT_FALSE(get("rb2")->isEnabled());
    EXPECT_TRUE(get("isaef")->isHidden());
    EXPECT_TRUE(get("isasl")->isHidden());
    for (const char* name : {"sa", "sb", "sv"}) {
        EXPECT_EQ(bar(name)->capacity(), 99) << name;
        EXPECT_EQ(bar(name)->amount(), 99) << name;
        EXPECT_EQ(bar(name)->barHeight(), 185) << name;
        EXPECT_EQ(bar(name)->fillColor(), QColor(186, 254, 189)) << name;
        EXPECT_EQ(bar(name)->emptyColor(), QColor(230, 230, 230)) << name;
    }
    for (const char* name : {"saet", "saer", "sbet", "sber", "svet", "sver"}) {
        EXPECT_EQ(spin(name)->maximum(), 99) << name;
        EXPECT_TRUE(spin(name)->isEnabled()) << name;
    }
    EXPECT_TRUE(platform.errors.empty());
}

TEST_F(ConstructorTest, ResetButtonForgetsTheCurrentFile) {
    makeCurrentFile();
    typeOver(spin("saem"), QStringLiteral("8"));
    ASSERT_TRUE(saveButton()->isEnabled());
    QTest::mouseClick(get("SpeedButton6"), Qt::LeftButton);
    EXPECT_EQ(form.task(), trimerka::TaskDefinition());
    EXPECT_TRUE(currentFile().isEmpty());
    EXPECT_FALSE(saveButton()->isEnabled());
    typeOver(spin("saem"), QStringLiteral("7"));
    EXPECT_FALSE(saveButton()->isEnabled()) << "no current file, no enabling";
}

TEST_F(ConstructorTest, SolutionLabelFollowsTheEditsAtOnce) {
    struct Row {
        const char* name;
        int capacity[3];
        int amount[3];
        int target[3];
        bool unlimited;
        bool pourBack;
        const char* text;
    };
    const Row rows[] = {
        {"the default task needs one step",
         {99, 99, 99},
         {99, 99, 99},
         {99, 99, 99},
         false,
         true,
         "Кратчайшее решение: 1 шаг"},
        {"classic 8/5/3 into 4 and 4",
         {8, 5, 3},
         {8, 0, 0},
         {4, 4, 0},
         false,
         true,
         "Кратчайшее решение: 7 шагов"},
        {"a total that differs cannot be reached",
         {8, 5, 3},
         {8, 0, 0},
         {4, 4, 1},
         false,
         true,
         "Задание не имеет решения"},
        {"unlimited source, 5 and 3 into 4 and 3",
         {1, 5, 3},
         {0, 0, 0},
         {0, 4, 3},
         true,
         true,
         "Кратчайшее решение: 6 шагов"},
        {"two steps", {8, 5, 3}, {8, 0, 0}, {0, 5, 3}, false, true, "Кратчайшее решение: 2 шага"},
    };
    for (const Row& row : rows) {
        form.resetToDefaultTask();
        const char* stems[3] = {"sa", "sb", "sv"};
        for (int v = 0; v < 3; ++v) {
            const QByteArray stem(stems[v]);
            typeOver(spin((stem + "em").constData()), QString::number(row.capacity[v]));
            typeOver(spin((stem + "et").constData()), QString::number(row.amount[v]));
            typeOver(spin((stem + "er").constData()), QString::number(row.target[v]));
        }
        get<QCheckBox>("saef")->setChecked(row.unlimited);
        get<QRadioButton>(row.pourBack ? "rb1" : "rb2")->setChecked(true);
        get<QCheckBox>("krres")->setChecked(true);
        auto* label = get<QLabel>("reshenie");
        EXPECT_EQ(label->text(), QString::fromUtf8(row.text)) << row.name;
        EXPECT_EQ(label->parentWidget()->objectName(), QStringLiteral("Panel9")) << row.name;
        EXPECT_GE(label->x(), get("put_tmk")->geometry().right()) << row.name;
        EXPECT_LE(label->geometry().right(), 913) << row.name;
    }
}

// The label searches the task as a save would write it, and says when the pupil will never be told that the
// task is solved.
TEST_F(ConstructorTest, SolutionLabelSearchesTheSettledValuesAndNotesSolutionControlOff) {
    struct Row {
        const char* name;
        const char* editor;
        const char* typed;
        bool solutionControl;
        const char* text;
    };
    const Row rows[] = {
        {"the default task with solution control off", nullptr, nullptr, false,
         "Кратчайшее решение: 1 шаг (контроль решения выключен)"},
        {"a capacity typed as 150 is searched as 99", "saem", "150", true, "Кратчайшее решение: 1 шаг"},
        {"a capacity typed as 0 is searched as 1", "sbem", "0", true, "Кратчайшее решение: 1 шаг"},
        {"a negative capacity is searched as 1", "svem", "-5", true, "Кратчайшее решение: 1 шаг"},
    };
    for (const Row& row : rows) {
        form.resetToDefaultTask();
        platform.errors.clear();
        get<QCheckBox>("krres")->setChecked(row.solutionControl);
        if (row.editor) {
            typeOver(spin(row.editor), QString::fromLatin1(row.typed));
        }
        EXPECT_EQ(get<QLabel>("reshenie")->text(), QString::fromUtf8(row.text)) << row.name;
    }
}

// However long the current file's path, the label keeps its own part of the status strip; the path is elided
// in the middle and shows whole as its tooltip.
TEST_F(ConstructorTest, SolutionLabelStaysWholeBesideALongPath) {
    const QString deep = folder.filePath(QStringLiteral("очень-длинное-имя-папки/").repeated(8));
    ASSERT_TRUE(QDir().mkpath(deep));
    const QString file = deep + QStringLiteral("задание.tmk");
    ASSERT_GT(file.size(), 200);
    platform.saveAnswers.push_back(file);
    QTest::mouseClick(get<QPushButton>("SpeedButton8"), Qt::LeftButton);
    ASSERT_TRUE(platform.errors.empty());

    auto* path = get<QLabel>("put_tmk");
    auto* label = get<QLabel>("reshenie");
    EXPECT_EQ(path->text(), file) << "the current file is the whole path";
    EXPECT_EQ(path->toolTip(), file);
    EXPECT_EQ(label->text(), QStringLiteral("Кратчайшее решение: 1 шаг (контроль решения выключен)"));
    EXPECT_EQ(label->width(), label->sizeHint().width()) << "the label is not cut";
    EXPECT_LE(label->geometry().right(), get("Panel9")->width() - 1);
    EXPECT_LT(path->geometry().right(), label->x());
    EXPECT_EQ(path->x(), 5);

    // On screen the path is elided in the middle: it looks like a label holding the elided text.
    const QString shown = path->fontMetrics().elidedText(file, Qt::ElideMiddle, path->contentsRect().width());
    EXPECT_TRUE(shown.contains(QChar(0x2026)));
    EXPECT_TRUE(shown.endsWith(QStringLiteral("задание.tmk")));
    QLabel reference(shown, get("Panel9"));
    reference.setFont(path->font());
    reference.setGeometry(path->geometry());
    EXPECT_EQ(path->grab().toImage(), reference.grab().toImage());
}

TEST_F(ConstructorTest, LeavingAnEditorByTabPullsItsValueIntoRangeAndRunsItsRule) {
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    SpinEdit* capacity = spin("saem");
    capacity->setFocus(Qt::MouseFocusReason);
    typeOver(capacity, QStringLiteral("150"));
    EXPECT_EQ(bar("sa")->capacity(), 150) << "applied as typed";
    QTest::keyClick(capacity, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), spin("saet"));
    EXPECT_EQ(capacity->text(), QStringLiteral("99"));
    EXPECT_EQ(bar("sa")->capacity(), 99);
    EXPECT_EQ(spin("saet")->maximum(), 99);
}

} // namespace
