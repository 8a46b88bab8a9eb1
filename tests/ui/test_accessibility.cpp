#include <QAccessible>
#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QSet>
#include <QTest>

#include <gtest/gtest.h>

#include "support/AccessibilityEvents.h"
#include "support/ConstructorFixture.h"
#include "support/MainWindowFixture.h"

namespace trimerka {
namespace {

using testing::AccessibilityEvents;
using testing::classicSolution;
using testing::classicTaskKeys;

QString nameOf(QAccessibleInterface* iface) {
    return iface ? iface->text(QAccessible::Name) : QStringLiteral("<none>");
}

QStringList namesOf(const QList<QAccessibleInterface*>& ifaces) {
    QStringList names;
    for (QAccessibleInterface* iface : ifaces) {
        names << nameOf(iface);
    }
    return names;
}

QString nameOf(QObject* object) {
    return nameOf(QAccessible::queryAccessibleInterface(object));
}

// The events of one type about one control, in order.
std::vector<AccessibilityEvents::Event> about(const AccessibilityEvents& recorder, QAccessible::Event type,
                                              QObject* object) {
    std::vector<AccessibilityEvents::Event> found;
    for (const auto& event : recorder.ofType(type)) {
        if (event.object == object) {
            found.push_back(event);
        }
    }
    return found;
}

class MainWindowAccessibility : public testing::MainWindowFixture {
protected:
    void openClassic() {
        openKeys(classicTaskKeys());
        ASSERT_EQ(errorMessages(), QStringList());
    }
    // Plays the whole classic solution; the completed window is shown after the last step.
    void playClassic() {
        openClassic();
        for (const auto& step : classicSolution()) {
            if (!vesselButton(step.source)->isChecked()) {
                click(step.source);
            }
            if (!vesselButton(step.destination)->isChecked()) {
                click(step.destination);
            }
            execute();
        }
    }
    QAccessibleInterface* stepLog() const { return QAccessible::queryAccessibleInterface(grid()); }
    // The focus lives in the active window only.
    void activate() {
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    }
};

TEST_F(MainWindowAccessibility, StepLogIsATableOfTheSession) {
    playClassic();
    QAccessibleInterface* log = stepLog();
    ASSERT_NE(log, nullptr);
    EXPECT_EQ(log->role(), QAccessible::Table);
    EXPECT_EQ(log->text(QAccessible::Name), QStringLiteral("Журнал шагов"));
    QAccessibleTableInterface* table = log->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 7);
    EXPECT_EQ(table->columnCount(), 4);

    // The header band: "Команда" over two lines, the common title merged over the three vessel columns.
    QStringList headers;
    for (int i = 0; i < grid()->headerCellCount(); ++i) {
        QAccessibleInterface* header = log->child(i);
        ASSERT_NE(header, nullptr);
        EXPECT_EQ(header->role(), QAccessible::ColumnHeader);
        headers << nameOf(header);
    }
    EXPECT_EQ(QSet<QString>(headers.begin(), headers.end()),
              (QSet<QString>{"Команда", "Литры", "8 л", "5 л", "3 л"}));
    const QStringList descriptions{"Команда", "Литры, 8 л", "Литры, 5 л", "Литры, 3 л"};
    const QStringList ownTitleFirst[] = {{"Команда"}, {"8 л", "Литры"}, {"5 л", "Литры"}, {"3 л", "Литры"}};
    for (int column = 0; column < 4; ++column) {
        EXPECT_EQ(table->columnDescription(column), descriptions[column]);
    }

    const auto solution = classicSolution();
    for (int row = 0; row < 7; ++row) {
        EXPECT_EQ(table->rowDescription(row), QString::number(row + 1));
        for (int column = 0; column < 4; ++column) {
            QAccessibleInterface* cell = table->cellAt(row, column);
            ASSERT_NE(cell, nullptr);
            EXPECT_EQ(cell->role(), QAccessible::Cell);
            EXPECT_EQ(nameOf(cell), QString::fromUtf8(solution[row].cells[column])) << row << ", " << column;
            QAccessibleTableCellInterface* place = cell->tableCellInterface();
            ASSERT_NE(place, nullptr);
            EXPECT_EQ(place->rowIndex(), row);
            EXPECT_EQ(place->columnIndex(), column);
            EXPECT_EQ(place->table(), log);
            EXPECT_EQ(namesOf(place->rowHeaderCells()), QStringList{QString::number(row + 1)});
            EXPECT_EQ(namesOf(place->columnHeaderCells()), ownTitleFirst[column]);
            EXPECT_EQ(cell, table->cellAt(row, column)) << "a cell keeps its interface";
        }
    }
    // Header cells first, then per row the gutter cell and four body cells.
    ASSERT_EQ(log->childCount(), grid()->headerCellCount() + 7 * 5);
    for (int i = 0; i < log->childCount(); ++i) {
        EXPECT_EQ(log->indexOfChild(log->child(i)), i) << i;
        EXPECT_EQ(log->child(i)->parent(), log) << i;
    }
    EXPECT_EQ(log->child(grid()->headerCellCount())->role(), QAccessible::RowHeader);
    EXPECT_EQ(log->child(log->childCount()), nullptr);

    // A screen position finds the cell drawn there.
    QAccessibleInterface* shown = table->cellAt(grid()->firstVisibleRow(), 1);
    EXPECT_EQ(log->childAt(shown->rect().center().x(), shown->rect().center().y()), shown);
}

TEST_F(MainWindowAccessibility, SelectionAndCurrentCellAreTheGrids) {
    playClassic();
    activate();
    QAccessibleInterface* log = stepLog();
    QAccessibleTableInterface* table = log->tableInterface();

    // A click selects the whole row; the clicked cell becomes current.
    const int row = grid()->firstVisibleRow() + 1;
    const QRect cell = grid()->cellRect(2, row).toQRect();
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    ASSERT_TRUE(grid()->hasFocus());
    EXPECT_EQ(table->selectedRows(), QList<int>{row});
    EXPECT_TRUE(table->isRowSelected(row));
    EXPECT_FALSE(table->isRowSelected(row - 1));
    EXPECT_EQ(table->selectedColumns(), QList<int>());
    EXPECT_EQ(table->selectedCellCount(), 4);
    QStringList texts;
    const auto solution = classicSolution();
    for (const char* text : solution[row].cells) {
        texts << QString::fromUtf8(text);
    }
    EXPECT_EQ(namesOf(table->selectedCells()), texts);
    EXPECT_TRUE(table->cellAt(row, 0)->state().selected);
    EXPECT_FALSE(table->cellAt(row + 1, 0)->state().selected);

    EXPECT_EQ(log->focusChild(), table->cellAt(row, 2));
    EXPECT_TRUE(table->cellAt(row, 2)->state().focused);
    EXPECT_FALSE(table->cellAt(row, 1)->state().focused);
    EXPECT_TRUE(table->cellAt(row, 2)->state().readOnly);
}

TEST_F(MainWindowAccessibility, CompletedWindowSaysTheNewsInOneSentence) {
    QString description;
    platform.onModal = [&](QDialog& dialog) {
        description = QAccessible::queryAccessibleInterface(&dialog)->text(QAccessible::Description);
    };
    playClassic();
    EXPECT_EQ(description, QStringLiteral("Задание выполнено. Количество шагов: 7"));
    EXPECT_EQ(nameOf(completed->findChild<QLabel*>(QStringLiteral("Label2"))),
              QStringLiteral("Количество шагов: 7"));
}

TEST_F(MainWindowAccessibility, RowsAppendedAndTheCurrentCellAreAnnounced) {
    const AccessibilityEvents recorder;
    openClassic();
    step(VesselA, VesselB);
    step(VesselB, VesselV);
    const auto appended = about(recorder, QAccessible::TableModelChanged, grid());
    ASSERT_EQ(appended.size(), 2u);
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(appended[row].change, QAccessibleTableModelChangeEvent::RowsInserted);
        EXPECT_EQ(appended[row].firstRow, row);
        EXPECT_EQ(appended[row].lastRow, row);
    }

    // Moving through the log with the focus on it tells the reader the new current cell.
    activate();
    grid()->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(grid(), Qt::Key_Up);
    const auto focused = recorder.ofType(QAccessible::Focus);
    ASSERT_FALSE(focused.empty());
    EXPECT_EQ(focused.back().object, nullptr) << "the focus event is about a cell";
    EXPECT_EQ(focused.back().name, QStringLiteral("А - Б"));

    // Restarting empties the log.
    find<QToolButton>("sz")->click();
    const auto removed = about(recorder, QAccessible::TableModelChanged, grid());
    ASSERT_EQ(removed.size(), 3u);
    EXPECT_EQ(removed[2].change, QAccessibleTableModelChangeEvent::RowsRemoved);
    EXPECT_EQ(removed[2].firstRow, 0);
    EXPECT_EQ(removed[2].lastRow, 1);
}

TEST_F(MainWindowAccessibility, AppendingARowWithTheFocusElsewhereMovesNoReader) {
    const AccessibilityEvents recorder;
    openClassic();
    step(VesselA, VesselB);
    for (const auto& event : recorder.ofType(QAccessible::Focus)) {
        EXPECT_NE(event.object, nullptr) << "no cell took the reader's focus: " << event.name.toStdString();
    }
}

TEST_F(MainWindowAccessibility, VesselNamesAndValuesFollowTheAmounts) {
    AccessibilityEvents recorder;
    openClassic();
    VesselView* a = form->vesselView(VesselA);
    VesselView* b = form->vesselView(VesselB);
    VesselView* v = form->vesselView(VesselV);
    EXPECT_EQ(nameOf(a), QStringLiteral("Сосуд А: 8 литров из 8"));
    EXPECT_EQ(nameOf(b), QStringLiteral("Сосуд Б: 0 литров из 5"));
    EXPECT_EQ(nameOf(v), QStringLiteral("Сосуд В: 0 литров из 3"));

    recorder.events.clear();
    step(VesselA, VesselB);
    EXPECT_EQ(nameOf(a), QStringLiteral("Сосуд А: 3 литра из 8"));
    EXPECT_EQ(nameOf(b), QStringLiteral("Сосуд Б: 5 литров из 5"));
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(a);
    EXPECT_EQ(bar->role(), QAccessible::ProgressBar);
    ASSERT_NE(bar->valueInterface(), nullptr);
    EXPECT_EQ(bar->valueInterface()->currentValue(), QVariant(3));
    EXPECT_EQ(bar->valueInterface()->maximumValue(), QVariant(8));
    EXPECT_EQ(bar->valueInterface()->minimumValue(), QVariant(0));

    const auto aValues = about(recorder, QAccessible::ValueChanged, a);
    ASSERT_FALSE(aValues.empty());
    EXPECT_EQ(aValues.back().value, QVariant(3));
    const auto bValues = about(recorder, QAccessible::ValueChanged, b);
    ASSERT_FALSE(bValues.empty());
    EXPECT_EQ(bValues.back().value, QVariant(5));
    EXPECT_TRUE(about(recorder, QAccessible::ValueChanged, v).empty()) << "В took no part in the step";
    const auto aNames = about(recorder, QAccessible::NameChanged, a);
    ASSERT_FALSE(aNames.empty());
    EXPECT_EQ(aNames.back().name, QStringLiteral("Сосуд А: 3 литра из 8"));
}

TEST_F(MainWindowAccessibility, ControlsWhoseMeaningIsInThePictureAreNamed) {
    const AccessibilityEvents recorder;
    QObject* command = find("kmd");
    EXPECT_EQ(nameOf(command), QStringLiteral("Команда не составлена"));
    openKeys(testing::unlimitedTaskKeys(true));
    click(VesselB);
    EXPECT_EQ(nameOf(command), QStringLiteral("Команда: из сосуда Б"));
    click(VesselA);
    EXPECT_EQ(nameOf(command), QStringLiteral("Команда: Б - А"));
    click(VesselB);
    EXPECT_EQ(nameOf(command), QStringLiteral("Команда: в сосуд А"));
    const auto renamed = about(recorder, QAccessible::NameChanged, command);
    ASSERT_FALSE(renamed.empty());
    EXPECT_EQ(renamed.back().name, QStringLiteral("Команда: в сосуд А"));

    const std::pair<const char*, const char*> names[] = {
        {"help", "О программе"},
        {"SpeedButton2", "Увеличить размер текста"},
        {"SpeedButton1", "Уменьшить размер текста"},
        {"isaef", "Сосуд А — бесконечный источник"},
        {"isasl", "В сосуд А можно сливать жидкость"},
        {"fz", "Формулировка задания"},
        {"vz", "Выбор задания"},
    };
    for (const auto& [name, text] : names) {
        EXPECT_EQ(nameOf(find(name)), QString::fromUtf8(text)) << name;
    }
    const std::pair<const char*, const char*> descriptions[] = {
        {"vz", "Выбор задания (Ctrl+O)"}, {"help", "О программе (F1)"},  {"SpeedButton2", "Ctrl++"},
        {"vsb", "Клавиши 2, Б, B"},       {"vipolnit", "Клавиша Enter"},
    };
    for (const auto& [name, text] : descriptions) {
        EXPECT_EQ(QAccessible::queryAccessibleInterface(find(name))->text(QAccessible::Description),
                  QString::fromUtf8(text))
            << name;
    }
}

class ConstructorAccessibility : public testing::ConstructorFixture {
protected:
    // Every interface of the window's tree, reached from the window through the children, as assistive
    // technology walks it.
    std::vector<QAccessibleInterface*> tree() {
        std::vector<QAccessibleInterface*> found{QAccessible::queryAccessibleInterface(&form)};
        for (std::size_t i = 0; i < found.size(); ++i) {
            for (int c = 0; c < found[i]->childCount(); ++c) {
                if (QAccessibleInterface* child = found[i]->child(c)) {
                    found.push_back(child);
                }
            }
        }
        return found;
    }
};

TEST_F(ConstructorAccessibility, EveryEditorIsNamedAfterItsVesselAndValue) {
    const std::pair<const char*, const char*> editors[] = {
        {"sah", "Сосуд А: высота столбика"},
        {"saem", "Сосуд А: ёмкость"},
        {"saet", "Сосуд А: начальное количество"},
        {"saer", "Сосуд А: цель"},
        {"sbh", "Сосуд Б: высота столбика"},
        {"sbem", "Сосуд Б: ёмкость"},
        {"sbet", "Сосуд Б: начальное количество"},
        {"sber", "Сосуд Б: цель"},
        {"svh", "Сосуд В: высота столбика"},
        {"svem", "Сосуд В: ёмкость"},
        {"svet", "Сосуд В: начальное количество"},
        {"sver", "Сосуд В: цель"},
        {"fz", "Формулировка задания"},
        {"ns", "Общее название столбцов"},
        {"ns1", "Название столбца сосуда А"},
        {"ns2", "Название столбца сосуда Б"},
        {"ns3", "Название столбца сосуда В"},
    };
    QHash<QObject*, QString> inTree;
    for (QAccessibleInterface* iface : tree()) {
        if (iface->role() == QAccessible::EditableText) {
            inTree.insert(iface->object(), nameOf(iface));
        }
    }
    EXPECT_EQ(inTree.size(), static_cast<qsizetype>(std::size(editors)));
    for (const auto& [name, text] : editors) {
        ASSERT_TRUE(inTree.contains(get(name))) << name << " is not in the tree";
        EXPECT_EQ(inTree.value(get(name)), QString::fromUtf8(text)) << name;
    }
}

TEST_F(ConstructorAccessibility, NoControlIsUnnamedOrNamedAfterItsGroup) {
    const QSet<QAccessible::Role> controls{QAccessible::Button,       QAccessible::PushButton,
                                           QAccessible::CheckBox,     QAccessible::RadioButton,
                                           QAccessible::EditableText, QAccessible::StaticText};
    const QSet<QString> groupTitles{QStringLiteral(" Исходные данные "), QStringLiteral(" Результат ")};
    for (QAccessibleInterface* iface : tree()) {
        if (!controls.contains(iface->role())) {
            continue;
        }
        const QString name = nameOf(iface);
        const std::string what = iface->object() ? iface->object()->objectName().toStdString() : "?";
        // A label may be empty, such as the file's path before there is a file.
        if (iface->role() != QAccessible::StaticText) {
            EXPECT_FALSE(name.trimmed().isEmpty()) << what << " has no name";
        }
        EXPECT_FALSE(groupTitles.contains(name)) << what << " is named after its group";
    }
    // The arrows of a number editor say which way they step; the panels over the columns say their caption.
    EXPECT_EQ(nameOf(spin("sbem")->upButton()), QStringLiteral("Больше"));
    EXPECT_EQ(nameOf(spin("sbem")->downButton()), QStringLiteral("Меньше"));
    EXPECT_EQ(nameOf(get("Panel2")), QStringLiteral("Сосуд \"Б\""));
    EXPECT_EQ(nameOf(get("Panel8")), QStringLiteral("В"));
    EXPECT_EQ(nameOf(get("isaef")), QStringLiteral("Сосуд А — бесконечный источник"));
}

TEST_F(ConstructorAccessibility, ColourSquaresAndPreviewBarsAreNamed) {
    const AccessibilityEvents recorder;
    const std::pair<const char*, const char*> squares[] = {
        {"sac1", "Цвет жидкости сосуда А: #BAFEBD"}, {"sac2", "Цвет пустой части сосуда А: #E6E6E6"},
        {"sbc1", "Цвет жидкости сосуда Б: #BAFEBD"}, {"sbc2", "Цвет пустой части сосуда Б: #E6E6E6"},
        {"svc1", "Цвет жидкости сосуда В: #BAFEBD"}, {"svc2", "Цвет пустой части сосуда В: #E6E6E6"},
    };
    for (const auto& [name, text] : squares) {
        EXPECT_EQ(nameOf(get(name)), QString::fromUtf8(text)) << name;
    }
    EXPECT_EQ(nameOf(bar("sa")), QStringLiteral("Сосуд А: 99 литров из 99"));

    platform.colorAnswers.push_back(QColor(255, 0, 16));
    QTest::mouseClick(get("sbc1"), Qt::LeftButton);
    EXPECT_EQ(nameOf(get("sbc1")), QStringLiteral("Цвет жидкости сосуда Б: #FF0010"));
    const auto renamed = about(recorder, QAccessible::NameChanged, get("sbc1"));
    ASSERT_FALSE(renamed.empty());
    EXPECT_EQ(renamed.back().name, QStringLiteral("Цвет жидкости сосуда Б: #FF0010"));

    spin("svem")->setValue(12);
    spin("svet")->setValue(2);
    EXPECT_EQ(nameOf(bar("sv")), QStringLiteral("Сосуд В: 2 литра из 12"));
}

} // namespace
} // namespace trimerka
