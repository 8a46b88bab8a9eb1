#include <filesystem>
#include <map>
#include <optional>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

#include "core/TaskFile.h"
#include "support/ConstructorFixture.h"
#include "ui/ConstructorWindow.h"
#include "ui/Controls.h"
#include "ui/SpinEdit.h"
#include "ui/VesselView.h"

using trimerka::ConstructorWindow;
using trimerka::SpinEdit;
using trimerka::TaskDefinition;
using trimerka::toFilePath;
using trimerka::VesselView;
using trimerka::constructor::ColorSquare;

namespace {

// Key values that replace those of the default task in a written file; an empty optional leaves the key out.
using Overrides = std::map<std::string, std::optional<std::string>>;

class ConstructorFilesTest : public trimerka::testing::ConstructorFixture {
protected:
    void typeOver(const char* name, const QString& text) {
        spin(name)->selectAll();
        QTest::keyClicks(spin(name), text);
    }
    void click(const char* button) { QTest::mouseClick(get(button), Qt::LeftButton); }

    QString path(const QString& name) { return folder.filePath(name); }

    // A task file with the keys of `task` in writing order, some of them replaced or left out.
    QString writeFile(const QString& name, const Overrides& overrides = {}, const TaskDefinition& task = {}) {
        std::string text = "[trimerka]\n";
        Overrides extra = overrides;
        for (const auto& [key, value] : trimerka::TaskKeyValues(task)) {
            const auto replaced = overrides.find(key);
            if (replaced == overrides.end()) {
                text += key + "=" + value + "\n";
            } else if (replaced->second) {
                text += key + "=" + *replaced->second + "\n";
            }
            extra.erase(key);
        }
        // Keys the task does not write (further statement lines) go at the end of the section.
        for (const auto& [key, value] : extra) {
            if (value) {
                text += key + "=" + *value + "\n";
            }
        }
        const QString file = path(name);
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(text.data(), static_cast<qint64>(text.size()));
        return file;
    }
    void load(const QString& file) {
        platform.openAnswers.push_back(file);
        click("SpeedButton7");
    }
    std::string value(const QString& file, const char* key) {
        return trimerka::ReadTaskValue(toFilePath(file), key);
    }
    QStringList lines(const QString& file) {
        QFile in(file);
        EXPECT_TRUE(in.open(QIODevice::ReadOnly));
        return QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
};

TEST_F(ConstructorFilesTest, SaveAsOffersTheTimeStampedNameInTheProgramFolder) {
    const QString chosen = path(QStringLiteral("Trimerka 2014-05-12_13-45-07.tmk"));
    platform.saveAnswers.push_back(chosen);
    click("SpeedButton8");

    ASSERT_EQ(platform.saveRequests.size(), 1u);
    const auto& request = platform.saveRequests[0];
    EXPECT_EQ(request.title, QStringLiteral("Сохранить задание для исполнителя \"Тримерка\" как ..."));
    EXPECT_EQ(request.filter, QStringLiteral("Задание для исполнителя \"Тримерка\" (*.tmk)"));
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("tmk"));
    EXPECT_EQ(request.directory, folder.path());
    EXPECT_EQ(request.fileName, QStringLiteral("Trimerka 2014-05-12_13-45-07"));

    EXPECT_EQ(currentFile(), chosen);
    EXPECT_FALSE(saveButton()->isEnabled());
    EXPECT_EQ(lines(chosen), QStringList({"[trimerka]",
                                          "ksz=0",
                                          "zs0=Формулировка задания .....",
                                          "ns=Общее название столбиков",
                                          "ns1=Название столбика 1",
                                          "ns2=Название столбика 2",
                                          "ns3=Название столбика 3",
                                          "krres=0",
                                          "sac1=BAFEBD",
                                          "sac2=E6E6E6",
                                          "saef=0",
                                          "sasl=1",
                                          "sah=185",
                                          "saem=99",
                                          "saet=99",
                                          "saer=99",
                                          "sbc1=BAFEBD",
                                          "sbc2=E6E6E6",
                                          "sbh=185",
                                          "sbem=99",
                                          "sbet=99",
                                          "sber=99",
                                          "svc1=BAFEBD",
                                          "svc2=E6E6E6",
                                          "svh=185",
                                          "svem=99",
                                          "svet=99",
                                          "sver=99"}));
}

TEST_F(ConstructorFilesTest, ChosenNamesGetTheTaskExtensionUnlessTheyEndInItInAnyLetterCase) {
    struct Row {
        const char* name;
        const char* chosen;
        const char* used;
    };
    const Row rows[] = {
        {"ends in .tmk", "a.tmk", "a.tmk"},
        {"ends in .txt", "b.txt", "b.txt.tmk"},
        {"ends in upper-case .TMK", "c.TMK", "c.TMK"},
        {"ends in mixed-case .Tmk", "f.Tmk", "f.Tmk"},
        {".tmk inside the name", "g.tmk.bak", "g.tmk.bak.tmk"},
        {"no extension", "d", "d.tmk"},
        {"a name that looks like markup", "<b>e", "<b>e.tmk"},
    };
    for (const Row& row : rows) {
        const QString used = path(QString::fromLatin1(row.used));
        platform.saveAnswers.push_back(path(QString::fromLatin1(row.chosen)));
        click("SpeedButton8");
        EXPECT_EQ(currentFile(), used) << row.name << " (save as)";
        EXPECT_EQ(get<QLabel>("put_tmk")->textFormat(), Qt::PlainText);
        EXPECT_TRUE(QFile::exists(used)) << row.name << " (save as)";

        form.resetToDefaultTask();
        load(path(QString::fromLatin1(row.chosen)));
        EXPECT_EQ(currentFile(), used) << row.name << " (load)";
        EXPECT_TRUE(platform.errors.empty()) << row.name << " (load)";
    }
    const auto& request = platform.openRequests.at(0);
    EXPECT_EQ(request.title, QStringLiteral("Выбрать задание для исполнителя \"Тримерка\""));
    EXPECT_EQ(request.filter, QStringLiteral("Задание для исполнителя \"Тримерка\" (*.tmk)"));
    EXPECT_EQ(request.directory, folder.path());
}

TEST_F(ConstructorFilesTest, LoadPutsEveryValueIntoTheControls) {
    TaskDefinition task;
    task.vessels[0] = {12, 7, 3, 120, trimerka::rgb(1, 2, 3), trimerka::rgb(4, 5, 6)};
    task.vessels[1] = {8, 0, 4, 60, trimerka::rgb(7, 8, 9), trimerka::rgb(10, 11, 12)};
    task.vessels[2] = {5, 5, 1, 25, trimerka::rgb(13, 14, 15), trimerka::rgb(16, 17, 18)};
    task.solutionControl = true;
    task.statementLines = {"Отмерьте", "четыре литра"};
    task.commonTitle = "Сосуды";
    task.columnTitles = {"А", "Б", "В"};
    const QString file = path(QStringLiteral("full.tmk"));
    trimerka::WriteTaskFile(toFilePath(file), task);

    load(file);
    ASSERT_TRUE(platform.errors.empty());
    EXPECT_EQ(currentFile(), file);
    EXPECT_TRUE(saveButton()->isEnabled()) << "enabled right after a load, before any edit";
    EXPECT_EQ(get<QTextEdit>("fz")->toPlainText(), QStringLiteral(" Отмерьте четыре литра"));
    TaskDefinition shown = form.task();
    EXPECT_EQ(shown.statementLines, std::vector<std::string>({" Отмерьте четыре литра"}));
    shown.statementLines = task.statementLines;
    EXPECT_EQ(shown, task);
    EXPECT_EQ(bar("sa")->capacity(), 12);
    EXPECT_EQ(bar("sa")->amount(), 7);
    EXPECT_EQ(bar("sa")->barHeight(), 120);
    EXPECT_EQ(bar("sb")->fillColor(), QColor(7, 8, 9));
    EXPECT_EQ(bar("sv")->emptyColor(), QColor(16, 17, 18));
    EXPECT_EQ(spin("sbet")->maximum(), 8);
    EXPECT_EQ(spin("sver")->maximum(), 5);
}

TEST_F(ConstructorFilesTest, SaveAfterLoadRewritesTheStatementAsOneParagraphCutAnew) {
    const QString word = QStringLiteral("переливание ");
    const Overrides overrides = {
        {"ksz", "2"}, {"zs0", "abc"}, {"zs1", (word.repeated(8)).trimmed().toStdString()}, {"zs2", "def"}};
    const QString file = writeFile(QStringLiteral("statement.tmk"), overrides);
    load(file);
    const QString text = get<QTextEdit>("fz")->toPlainText();
    EXPECT_EQ(text, QStringLiteral(" abc ") + word.repeated(8).trimmed() + QStringLiteral(" def"));

    click("SpeedButton2");
    EXPECT_FALSE(saveButton()->isEnabled());
    const std::vector<std::string> shown = form.statementLines();
    ASSERT_GT(shown.size(), 1u) << "the long paragraph wraps in the editor";
    EXPECT_EQ(value(file, "ksz"), std::to_string(shown.size() - 1));
    QString joined;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const std::string key = "zs" + std::to_string(i);
        const QString line = QString::fromStdString(shown[i]);
        // The reader drops the blanks around a value, so compare without them.
        EXPECT_EQ(value(file, key.c_str()), line.trimmed().toStdString()) << key;
        joined += line;
    }
    EXPECT_EQ(joined, text) << "the wrapped lines hold the whole text";
    ASSERT_TRUE(shown[0].starts_with(" abc "));
    // The blank the load put in front and the blanks at which the editor wrapped are the ones the readers put
    // back, so the statement reads back exactly as the editor shows it, and saving it again changes nothing.
    EXPECT_EQ(QString::fromStdString(trimerka::ReadStatement(toFilePath(file))), text);
    const QStringList saved = lines(file);
    load(file);
    click("SpeedButton2");
    EXPECT_EQ(lines(file), saved);
}

// Blanks around a title and quotes that enclose it are the teacher's text too: they survive a save and a
// load, and so does the indent of a statement line.
TEST_F(ConstructorFilesTest, TitlesAndStatementLinesKeepTheirBlanksAndQuotes) {
    get<QLineEdit>("ns")->setText(QStringLiteral("  Кран  "));
    get<QLineEdit>("ns1")->setText(QStringLiteral("\"quoted\""));
    get<QLineEdit>("ns3")->setText(QStringLiteral("'В'"));
    get<QTextEdit>("fz")->setPlainText(QStringLiteral("Условие:\n    налейте 4 литра "));
    const QString file = path(QStringLiteral("blanks.tmk"));
    platform.saveAnswers.push_back(file);
    click("SpeedButton8");
    form.resetToDefaultTask();

    load(file);
    ASSERT_TRUE(platform.errors.empty());
    EXPECT_EQ(get<QLineEdit>("ns")->text(), QStringLiteral("  Кран  "));
    EXPECT_EQ(get<QLineEdit>("ns1")->text(), QStringLiteral("\"quoted\""));
    EXPECT_EQ(get<QLineEdit>("ns3")->text(), QStringLiteral("'В'"));
    EXPECT_EQ(get<QTextEdit>("fz")->toPlainText(), QStringLiteral(" Условие:     налейте 4 литра "));
}

TEST_F(ConstructorFilesTest, StatementLinesAreTheLinesOnScreen) {
    struct Row {
        const char* name;
        const char* text;
        std::vector<std::string> lines;
    };
    const Row rows[] = {
        {"two typed lines", "abc\ndef", {"abc", "def"}},
        {"an empty last line is not counted", "abc\n", {"abc"}},
        {"an empty line inside is counted", "abc\n\ndef", {"abc", "", "def"}},
        {"an empty editor has no lines", "", {}},
    };
    for (const Row& row : rows) {
        get<QTextEdit>("fz")->setPlainText(QString::fromUtf8(row.text));
        EXPECT_EQ(form.statementLines(), row.lines) << row.name;
    }
    get<QTextEdit>("fz")->setPlainText(QStringLiteral("слово ").repeated(40));
    const auto wrapped = form.statementLines();
    EXPECT_GT(wrapped.size(), 3u);
    const QFontMetrics metrics(get("fz")->font());
    for (const auto& line : wrapped) {
        EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(line).trimmed()), get("fz")->width())
            << line;
    }
}

TEST_F(ConstructorFilesTest, LoadOfAnUnlimitedSourceWithoutPourBack) {
    load(writeFile(
        QStringLiteral("unlimited.tmk"),
        {{"saef", "1"}, {"sasl", "0"}, {"saem", "12"}, {"saet", "7"}, {"sah", "60"}, {"saer", "4"}}));
    ASSERT_TRUE(platform.errors.empty());
    EXPECT_TRUE(get<QCheckBox>("saef")->isChecked());
    const std::pair<const char*, const char*> editors[] = {
        {"saem", "12"}, {"saet", "7"}, {"sah", "60"}, {"saer", "4"}};
    for (const auto& [name, text] : editors) {
        EXPECT_FALSE(spin(name)->isEnabled()) << name;
        EXPECT_EQ(spin(name)->text(), QString::fromLatin1(text)) << name;
    }
    EXPECT_TRUE(get<QRadioButton>("rb2")->isChecked());
    EXPECT_TRUE(get("rb1")->isEnabled());
    EXPECT_TRUE(get("rb2")->isEnabled());
    EXPECT_EQ(bar("sa")->capacity(), 99);
    EXPECT_EQ(bar("sa")->amount(), 99);
    EXPECT_EQ(bar("sa")->barHeight(), 185);
    EXPECT_TRUE(get("isaef")->isVisible());
    EXPECT_FALSE(get("isasl")->isVisible());
}

TEST_F(ConstructorFilesTest, LoadBringsValuesIntoTheEditorsRanges) {
    struct Row {
        const char* name;
        Overrides overrides;
        std::vector<std::pair<const char*, const char*>> shown;
    };
    const Row rows[] = {
        {"capacity 150 and amount 120", {{"saem", "150"}, {"saet", "120"}}, {{"saem", "99"}, {"saet", "99"}}},
        {"height 10", {{"sah", "10"}}, {{"sah", "25"}}},
        {"height 500", {{"svh", "500"}}, {{"svh", "185"}}},
        {"capacity 5, amount 9, target 7",
         {{"sbem", "5"}, {"sbet", "9"}, {"sber", "7"}},
         {{"sbem", "5"}, {"sbet", "5"}, {"sber", "5"}}},
        {"negative capacity and amount", {{"svem", "-4"}, {"svet", "-2"}}, {{"svem", "1"}, {"svet", "0"}}},
        {"a target above a small capacity", {{"saem", "3"}, {"saer", "9"}}, {{"saem", "3"}, {"saer", "3"}}},
    };
    for (const Row& row : rows) {
        load(writeFile(QStringLiteral("range.tmk"), row.overrides));
        EXPECT_TRUE(platform.errors.empty()) << row.name;
        for (const auto& [name, text] : row.shown) {
            EXPECT_EQ(spin(name)->text(), QString::fromLatin1(text)) << row.name << ": " << name;
        }
    }
}

TEST_F(ConstructorFilesTest, FlagsOtherThanOneAndZeroLeaveTheirControlsClear) {
    load(writeFile(QStringLiteral("flags.tmk"), {{"krres", "yes"}, {"saef", "2"}, {"sver", "17"}}));
    EXPECT_TRUE(platform.errors.empty()) << "the file loads completely";
    EXPECT_FALSE(get<QCheckBox>("krres")->isChecked());
    EXPECT_FALSE(get<QCheckBox>("saef")->isChecked());
    EXPECT_TRUE(spin("saem")->isEnabled());
    EXPECT_FALSE(get("rb1")->isEnabled());
    EXPECT_EQ(spin("sver")->text(), QStringLiteral("17")) << "the last key was read";
}

TEST_F(ConstructorFilesTest, MissingPourBackKeyShowsPourBackAllowed) {
    load(writeFile(QStringLiteral("nosasl.tmk"), {{"saef", "1"}, {"sasl", std::nullopt}}));
    EXPECT_TRUE(platform.errors.empty());
    EXPECT_TRUE(get<QRadioButton>("rb1")->isChecked());
    EXPECT_TRUE(get("isasl")->isVisible());
}

// A failed load keeps what was read but no longer offers to overwrite the broken file.
TEST_F(ConstructorFilesTest, FailedLoadKeepsWhatWasReadAndDisarmsSaving) {
    struct Row {
        const char* name;
        Overrides overrides;
        const char* message;
        bool vesselARead;
    };
    const Row rows[] = {
        {"height of vessel Б not a number",
         {{"saem", "12"}, {"sbh", "abc"}},
         "''abc'' is not a valid integer value.",
         true},
        {"colour that is not hexadecimal",
         {{"sac1", "GGGGGG"}},
         "''$00GGGGGG'' is not a valid integer value.",
         false},
        {"statement count missing",
         {{"ksz", std::nullopt}, {"saem", "12"}},
         "'''' is not a valid integer value.",
         false},
    };
    for (const Row& row : rows) {
        form.resetToDefaultTask();
        platform.errors.clear();
        const QString file = writeFile(QStringLiteral("broken.tmk"), row.overrides);
        const QStringList before = lines(file);
        load(file);
        ASSERT_EQ(platform.errors.size(), 1u) << row.name;
        EXPECT_EQ(platform.errors[0].message, QString::fromLatin1(row.message)) << row.name;
        EXPECT_TRUE(currentFile().isEmpty()) << row.name;
        EXPECT_FALSE(saveButton()->isEnabled()) << row.name;
        EXPECT_EQ(spin("saem")->text(), QLatin1String(row.vesselARead ? "12" : "99")) << row.name;
        EXPECT_EQ(spin("sbh")->text(), QStringLiteral("185")) << row.name;

        form.saveTask();
        typeOver("svem", QStringLiteral("3"));
        EXPECT_FALSE(saveButton()->isEnabled()) << row.name << ": edits do not re-arm saving";
        EXPECT_EQ(lines(file), before) << row.name << ": the file is untouched";
    }
}

TEST_F(ConstructorFilesTest, LoadOfAMissingFileStopsAtTheStatementCount) {
    form.findChild<QTextEdit*>("fz")->setPlainText(QStringLiteral("старый текст"));
    load(path(QStringLiteral("missing.TMK")));
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_EQ(platform.errors[0].message, QStringLiteral("'''' is not a valid integer value."));
    EXPECT_TRUE(get<QTextEdit>("fz")->toPlainText().isEmpty());
    TaskDefinition expected;
    expected.statementLines.clear();
    EXPECT_EQ(form.task(), expected);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("missing.TMK.tmk"))));
}

TEST_F(ConstructorFilesTest, CancelledDialogsChangeNothing) {
    platform.saveAnswers.push_back(path(QStringLiteral("kept.tmk")));
    click("SpeedButton8");
    typeOver("sbem", QStringLiteral("8"));
    ASSERT_TRUE(saveButton()->isEnabled());
    click("SpeedButton7");
    click("SpeedButton8");
    EXPECT_EQ(platform.openRequests.size(), 1u);
    EXPECT_EQ(platform.saveRequests.size(), 2u);
    EXPECT_EQ(currentFile(), path(QStringLiteral("kept.tmk")));
    EXPECT_TRUE(saveButton()->isEnabled());
    EXPECT_EQ(spin("sbem")->text(), QStringLiteral("8"));
}

// Save and save as settle the editor being typed in before they write, as leaving it would: the command
// buttons take no focus, so the editor is not left, yet the file and the screen show the same values.
TEST_F(ConstructorFilesTest, SaveSettlesTheEditorBeingTypedIn) {
    struct Row {
        const char* name;
        const char* editor;
        const char* typed;
        std::vector<std::pair<const char*, const char*>> written;
    };
    const Row rows[] = {
        {"capacity 0", "sbem", "0", {{"sbem", "1"}, {"sbet", "0"}, {"sber", "0"}}},
        {"capacity 150 (its first digit lowered the amounts)",
         "saem",
         "150",
         {{"saem", "99"}, {"saet", "1"}, {"saer", "1"}}},
        {"capacity -5", "saem", "-5", {{"saem", "1"}, {"saet", "1"}, {"saer", "1"}}},
        {"emptied capacity", "svem", "", {{"svem", "1"}, {"svet", "1"}, {"sver", "1"}}},
        {"capacity a lone minus", "sbem", "-", {{"sbem", "1"}, {"sbet", "1"}, {"sber", "1"}}},
        {"amount above the capacity", "sbet", "150", {{"sbet", "99"}}},
        {"amount negative", "svet", "-7", {{"svet", "0"}}},
        {"target above the capacity", "saer", "120", {{"saer", "99"}}},
        {"height 999", "sah", "999", {{"sah", "185"}}},
        {"height 10", "svh", "10", {{"svh", "25"}}},
    };
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    for (const bool saveAs : {false, true}) {
        for (const Row& row : rows) {
            const std::string name = std::string(row.name) + (saveAs ? " (save as)" : " (save)");
            form.resetToDefaultTask();
            const QString file = path(QStringLiteral("typing.tmk"));
            platform.saveAnswers.push_back(file);
            click("SpeedButton8");
            SpinEdit* editor = spin(row.editor);
            editor->setFocus(Qt::MouseFocusReason);
            editor->selectAll();
            if (*row.typed) {
                QTest::keyClicks(editor, QString::fromLatin1(row.typed));
            } else {
                QTest::keyClick(editor, Qt::Key_Backspace);
            }
            if (saveAs) {
                platform.saveAnswers.push_back(file);
                click("SpeedButton8");
            } else {
                ASSERT_TRUE(saveButton()->isEnabled()) << name;
                click("SpeedButton2");
            }
            EXPECT_TRUE(editor->hasFocus()) << name << ": the editor was not left";
            EXPECT_FALSE(saveButton()->isEnabled()) << name;
            for (const auto& [key, text] : row.written) {
                EXPECT_EQ(value(file, key), text) << name << ": " << key;
                EXPECT_EQ(spin(key)->text(), QString::fromLatin1(text))
                    << name << ": " << key << " on screen";
            }
            // Every number written is the one on screen, and the preview shows it.
            const trimerka::TaskFileValues written(toFilePath(file));
            const char* bars[] = {"sa", "sb", "sv"};
            for (int v = 0; v < trimerka::kVesselCount; ++v) {
                for (const char* field : {"h", "em", "et", "er"}) {
                    const std::string key = trimerka::VesselKey(v, field);
                    EXPECT_EQ(QString::fromStdString(written.value(key)), spin(key.c_str())->text())
                        << name << ": " << key;
                }
                const std::string stem = trimerka::VesselKey(v, "");
                EXPECT_EQ(bar(bars[v])->capacity(), spin((stem + "em").c_str())->value()) << name;
                EXPECT_EQ(bar(bars[v])->amount(), spin((stem + "et").c_str())->value()) << name;
                EXPECT_EQ(bar(bars[v])->barHeight(), spin((stem + "h").c_str())->value()) << name;
            }
        }
    }
}

// The replace question of the save dialog concerns the name chosen in it; when ".tmk" is appended to that
// name and the longer path exists, the same question is asked about it before anything is written.
TEST_F(ConstructorFilesTest, SaveAsAsksBeforeReplacingTheFileWithTheAppendedExtension) {
    struct Row {
        const char* name;
        const char* existing; // a file that is there before the save
        const char* chosen;
        const char* written;
        std::optional<bool> answer; // nothing: no question is expected
        bool replaced;
    };
    const Row rows[] = {
        {"x.txt over x.txt.tmk, answered No", "x.txt.tmk", "x.txt", "x.txt.tmk", false, false},
        {"x.txt over x.txt.tmk, answered Yes", "x.txt.tmk", "x.txt", "x.txt.tmk", true, true},
        {"x.tmk: the dialog asked already", "x.tmk", "x.tmk", "x.tmk", std::nullopt, true},
        {"X.TMK: the dialog asked already", "X.TMK", "X.TMK", "X.TMK", std::nullopt, true},
        {"y.txt.tmk is not there", "x.txt.tmk", "y.txt", "y.txt.tmk", std::nullopt, false},
    };
    for (const Row& row : rows) {
        form.resetToDefaultTask();
        platform.replaceQuestions.clear();
        for (const QString& name : QDir(folder.path()).entryList(QDir::Files)) {
            QFile::remove(path(name));
        }
        const QString existing = writeFile(QString::fromLatin1(row.existing), {{"ns", "Старое задание"}});
        const QStringList before = lines(existing);
        get<QLineEdit>("ns")->setText(QStringLiteral("Новое задание"));

        if (row.answer) {
            platform.replaceAnswers.push_back(*row.answer);
        }
        platform.saveAnswers.push_back(path(QString::fromLatin1(row.chosen)));
        click("SpeedButton8");

        const QString written = path(QString::fromLatin1(row.written));
        if (row.answer) {
            EXPECT_EQ(platform.replaceQuestions, QStringList{written}) << row.name;
        } else {
            EXPECT_TRUE(platform.replaceQuestions.isEmpty()) << row.name;
        }
        EXPECT_TRUE(platform.errors.empty()) << row.name;
        if (row.replaced) {
            EXPECT_EQ(value(existing, "ns"), "Новое задание") << row.name;
        } else {
            EXPECT_EQ(lines(existing), before) << row.name << ": the file is untouched";
        }
        const bool declined = row.answer && !*row.answer;
        EXPECT_EQ(currentFile(), declined ? QString() : written) << row.name;
        EXPECT_EQ(get<QLineEdit>("ns")->text(), QStringLiteral("Новое задание")) << row.name;
    }
}

TEST_F(ConstructorFilesTest, FailedSavesReportTheFileAndKeepTheStateTable) {
    const QString unwritable = path(QStringLiteral("no-such-folder/task.tmk"));
    platform.saveAnswers.push_back(unwritable);
    click("SpeedButton8");
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_EQ(platform.errors[0].message,
              QStringLiteral("Unable to write to ") + unwritable + QLatin1Char('.'));
    EXPECT_TRUE(currentFile().isEmpty()) << "a failed save as leaves the current file";

    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("sub")));
    const QString file = path(QStringLiteral("sub/task.tmk"));
    platform.saveAnswers.push_back(file);
    click("SpeedButton8");
    ASSERT_EQ(currentFile(), file);
    ASSERT_TRUE(QDir(path(QStringLiteral("sub"))).removeRecursively());
    typeOver("sbem", QStringLiteral("8"));
    click("SpeedButton2");
    ASSERT_EQ(platform.errors.size(), 2u);
    EXPECT_EQ(platform.errors[1].message, QStringLiteral("Unable to write to ") + file + QLatin1Char('.'));
    EXPECT_EQ(currentFile(), file);
    EXPECT_FALSE(saveButton()->isEnabled());
}

TEST_F(ConstructorFilesTest, SaveKeepsOtherSectionsOfTheFile) {
    const QString file = path(QStringLiteral("shared.tmk"));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("[other]\nkey=value\n");
    out.close();
    platform.saveAnswers.push_back(file);
    click("SpeedButton8");
    const QStringList written = lines(file);
    EXPECT_TRUE(written.contains(QStringLiteral("[other]")));
    EXPECT_TRUE(written.contains(QStringLiteral("key=value")));
    EXPECT_EQ(value(file, "saem"), "99");
}

TEST_F(ConstructorFilesTest, ShowingAgainAfterALoadStartsFromTheDefaults) {
    load(writeFile(QStringLiteral("any.tmk"), {{"saef", "1"}, {"sbem", "4"}, {"krres", "1"}}));
    ASSERT_FALSE(currentFile().isEmpty());
    click("SpeedButton1");
    platform.showModal(form);
    EXPECT_EQ(form.task(), TaskDefinition());
    EXPECT_TRUE(currentFile().isEmpty());
    EXPECT_FALSE(saveButton()->isEnabled());
}

} // namespace
