#include <filesystem>
#include <functional>
#include <map>

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

#include <gtest/gtest.h>

#include "core/Solver.h"
#include "core/TaskFile.h"
#include "support/FakePlatform.h"
#include "support/MainWindowFixture.h"
#include "ui/Application.h"
#include "ui/CompletedWindow.h"
#include "ui/ConstructorWindow.h"
#include "ui/Controls.h"
#include "ui/MainWindow.h"
#include "ui/SpinEdit.h"

namespace trimerka {
namespace {

// The words of a text, for comparing statements whose lines the editor cut anew.
QStringList words(const QString& text) {
    return text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// The program as it runs: the main window with the constructor and the completed window it shows.
class RoundTripTest : public testing::MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        main = form;
        constructor = windows.constructor;
        ASSERT_NE(constructor, nullptr);
        platform.onModal = [this](QDialog& dialog) {
            if (&dialog == constructor && teacher) {
                teacher();
            } else if (&dialog == completed) {
                announced << completed->findChild<QLabel*>(QStringLiteral("Label2"))->text();
            }
        };
    }

    template <class T = QWidget> T* inConstructor(const std::string& name) {
        T* widget = constructor->findChild<T*>(QString::fromStdString(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    template <class T = QWidget> T* inMain(const char* name) {
        T* widget = main->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    // Types over the selected text, as a teacher replaces a value (an emptied height editor would refill).
    void typeInto(QLineEdit* editor, const QString& text) {
        editor->selectAll();
        QTest::keyClicks(editor, text);
    }
    void chooseColor(const std::string& square, const std::string& text) {
        const Color color = *TextToColor(text);
        platform.colorAnswers.push_back(QColor(redOf(color), greenOf(color), blueOf(color)));
        QTest::mouseClick(inConstructor(square), Qt::LeftButton);
    }

    // The teacher's work in the constructor: every value of `keys` typed, ticked or chosen, then saved as.
    void buildTask(const std::function<std::string(const std::string&)>& key, const QString& saveAs) {
        QStringList lines;
        const int last = TextToInt(key("ksz"));
        for (int i = 0; i <= last; ++i) {
            lines << QString::fromStdString(key(StatementLineKey(i)));
        }
        // Texts are set whole (key events carry no Cyrillic letters); their change rules run all the same.
        inConstructor<QTextEdit>("fz")->setPlainText(lines.join(QLatin1Char(' ')));
        for (const char* title : {"ns", "ns1", "ns2", "ns3"}) {
            inConstructor<QLineEdit>(title)->setText(QString::fromStdString(key(title)));
        }
        for (int v = 0; v < kVesselCount; ++v) {
            for (const char* field : {"c1", "c2"}) {
                if (key(VesselKey(v, field)) !=
                    ColorToText(field[1] == '1' ? kDefaultFillColor : kDefaultEmptyColor)) {
                    chooseColor(VesselKey(v, field), key(VesselKey(v, field)));
                }
            }
            // The capacity first: it limits the amount and the target.
            for (const char* field : {"h", "em", "et", "er"}) {
                typeInto(inConstructor<SpinEdit>(VesselKey(v, field)),
                         QString::fromStdString(key(VesselKey(v, field))));
            }
        }
        if (key("saef") == "1") {
            QTest::mouseClick(inConstructor("saef"), Qt::LeftButton);
            if (key("sasl") == "0") {
                QTest::mouseClick(inConstructor("rb2"), Qt::LeftButton);
            }
        }
        if (key("krres") == "1") {
            QTest::mouseClick(inConstructor("krres"), Qt::LeftButton);
        }
        platform.saveAnswers.push_back(saveAs);
        QTest::mouseClick(inConstructor("SpeedButton8"), Qt::LeftButton);
        QTest::mouseClick(inConstructor("SpeedButton1"), Qt::LeftButton);
    }

    // The pupil's work: the file opened in the main window and the given commands executed.
    void play(const QString& file, const std::vector<PourCommand>& commands) {
        platform.openAnswers.push_back(file);
        inMain<QToolButton>("vz")->click();
        const char* buttons[kVesselCount] = {"vsa", "vsb", "vsv"};
        for (const PourCommand& command : commands) {
            QTest::mouseClick(inMain(buttons[command.source]), Qt::LeftButton);
            QTest::mouseClick(inMain(buttons[command.destination]), Qt::LeftButton);
            QTest::mouseClick(inMain("vipolnit"), Qt::LeftButton);
        }
    }

    MainWindow* main = nullptr;
    ConstructorWindow* constructor = nullptr;
    std::function<void()> teacher;
    QStringList announced;
};

TEST_F(RoundTripTest, TaskBuiltInTheConstructorIsSolvedInTheMainWindow) {
    const QString file = folder.filePath(QStringLiteral("classic.tmk"));
    teacher = [&] {
        const std::map<std::string, std::string> values = {
            {"ksz", "0"},       {"zs0", "Разделите 8 литров поровну"},
            {"ns", "Сосуды"},   {"ns1", "А"},
            {"ns2", "Б"},       {"ns3", "В"},
            {"krres", "1"},     {"saef", "0"},
            {"sac1", "BAFEBD"}, {"sac2", "E6E6E6"},
            {"sbc1", "FF0000"}, {"sbc2", "E6E6E6"},
            {"svc1", "BAFEBD"}, {"svc2", "00FF00"},
            {"sah", "185"},     {"saem", "8"},
            {"saet", "8"},      {"saer", "4"},
            {"sbh", "120"},     {"sbem", "5"},
            {"sbet", "0"},      {"sber", "4"},
            {"svh", "80"},      {"svem", "3"},
            {"svet", "0"},      {"sver", "0"},
        };
        buildTask([&](const std::string& k) { return values.at(k); }, file);
        EXPECT_EQ(inConstructor<QLabel>("reshenie")->text(), QStringLiteral("Кратчайшее решение: 7 шагов"));
    };
    inMain<QAction>("N4")->trigger();
    ASSERT_TRUE(platform.errors.empty());
    ASSERT_TRUE(QFile::exists(file));
    EXPECT_EQ(ReadTaskValue(toFilePath(file), "sbc1"), "FF0000");

    const std::vector<PourCommand> solution = {{VesselA, VesselB}, {VesselB, VesselV}, {VesselV, VesselA},
                                               {VesselB, VesselV}, {VesselA, VesselB}, {VesselB, VesselV},
                                               {VesselV, VesselA}};
    play(file, solution);
    EXPECT_TRUE(platform.errors.empty());
    EXPECT_EQ(announced, QStringList({QStringLiteral("Количество шагов:  7")}));
}

// trimerka-solve reads a file as the main window does: it searches from the state the pupil pours from, also
// for hand-edited files whose values the constructor would never write, and the pupil who follows its
// answer is told the task is solved after exactly that many steps.
TEST_F(RoundTripTest, SolverStartsFromTheStateTheMainWindowPoursFrom) {
    struct Row {
        const char* name;
        std::vector<std::pair<std::string, std::string>> keys;
        VesselState start;
    };
    const Row rows[] = {
        {"amount above the capacity: the bar is full, the caption reads 15/12",
         {{"sbem", "12"}, {"sbet", "15"}, {"saer", "8"}, {"sber", "9"}, {"sver", "3"}},
         {{8, 12, 0}, {8, 12, 3}, 0, 1}},
        {"negative amount", {{"svet", "-4"}}, {{8, 0, 0}, {8, 5, 3}, 0, 1}},
        {"saef neither 0 nor 1 reads as limited", {{"saef", "2"}}, {{8, 0, 0}, {8, 5, 3}, 0, 1}},
        {"unlimited vessel А",
         {{"saef", "1"}, {"saer", "7"}, {"sber", "4"}, {"sver", "3"}},
         {{99, 0, 0}, {99, 5, 3}, 1, 1}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::map<std::string, std::string> values = {
            {"ksz", "0"},       {"zs0", "Задача"},  {"ns", "Сосуды"},   {"ns1", "А"},
            {"ns2", "Б"},       {"ns3", "В"},       {"krres", "1"},     {"saef", "0"},
            {"sasl", "1"},      {"sac1", "BAFEBD"}, {"sac2", "E6E6E6"}, {"sbc1", "BAFEBD"},
            {"sbc2", "E6E6E6"}, {"svc1", "BAFEBD"}, {"svc2", "E6E6E6"}, {"sah", "185"},
            {"saem", "8"},      {"saet", "8"},      {"saer", "4"},      {"sbh", "185"},
            {"sbem", "5"},      {"sbet", "0"},      {"sber", "4"},      {"svh", "185"},
            {"svem", "3"},      {"svet", "0"},      {"sver", "0"}};
        for (const auto& [key, value] : row.keys) {
            values[key] = value;
        }
        std::string text = "[trimerka]\n";
        for (const auto& [key, value] : values) {
            text += key + "=" + value + "\n";
        }
        const QString file = folder.filePath(QStringLiteral("hand-edited.tmk"));
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(text.data(), static_cast<qint64>(text.size()));
        out.close();

        const ExecutorTask task = ReadExecutorTask(toFilePath(file));
        EXPECT_EQ(task.initialState(), row.start);
        const SolverResult result = Solve(task);
        announced.clear();
        play(file, {});
        ASSERT_TRUE(platform.errors.empty());
        EXPECT_EQ(main->vesselState(), task.initialState()) << "the state the pupil pours from";
        ASSERT_TRUE(result.solvable());
        play(file, result.solution);
        EXPECT_EQ(announced, QStringList({QStringLiteral("Количество шагов:  ") +
                                          QString::number(result.minimalSteps)}));
    }
}

// Every example task can be built from nothing in the constructor, gives the same keys, and the pupil reaches
// its targets in the main window in the least number of steps.
TEST_F(RoundTripTest, TeacherBuildsEachExampleTaskFromScratch) {
    const QDir examples(QStringLiteral(TRIMERKA_SOURCE_DIR "/examples"));
    const QStringList names = examples.entryList({QStringLiteral("*.tmk")}, QDir::Files, QDir::Name);
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const auto example = toFilePath(examples.filePath(name));
        const TaskFileValues values(example);
        const QString file = folder.filePath(name);
        teacher = [&] { buildTask([&](const std::string& k) { return values.value(k); }, file); };
        announced.clear();
        inMain<QAction>("N4")->trigger();
        ASSERT_TRUE(platform.errors.empty());

        for (const auto& [key, value] : TaskKeyValues(TaskDefinition())) {
            if (key != "ksz" && !key.starts_with("zs")) {
                EXPECT_EQ(ReadTaskValue(toFilePath(file), key), values.value(key)) << key;
            }
        }
        EXPECT_EQ(words(QString::fromStdString(ReadStatement(toFilePath(file)))),
                  words(QString::fromStdString(values.statement())));

        const TaskFileValues built(toFilePath(file));
        TaskDefinition task;
        for (int v = 0; v < kVesselCount; ++v) {
            task.vessels[v].capacity = TextToInt(built.value(VesselKey(v, "em")));
            task.vessels[v].initialAmount = TextToInt(built.value(VesselKey(v, "et")));
            task.vessels[v].targetAmount = TextToInt(built.value(VesselKey(v, "er")));
        }
        task.unlimitedSource = built.value("saef") == "1";
        task.pourBackAllowed = built.value("sasl") != "0";
        const SolverResult result = Solve(task);
        ASSERT_TRUE(result.solvable());
        play(file, result.solution);
        EXPECT_TRUE(platform.errors.empty());
        EXPECT_EQ(announced, QStringList({QStringLiteral("Количество шагов:  ") +
                                          QString::number(result.minimalSteps)}));
        inMain<QToolButton>("zz")->click();
    }
}

} // namespace
} // namespace trimerka
