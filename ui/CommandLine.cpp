#include "ui/CommandLine.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace trimerka {

namespace {

constexpr int kExitDone = 0;
constexpr int kExitBadCall = 2;

const char* const kUsage = "Использование: trimerka [ФАЙЛ.tmk]\n";

const char* const kHelp =
    "Исполнитель «Тримерка»: задачи на переливание жидкости тремя сосудами для уроков алгоритмики.\n"
    "Задание из ФАЙЛА открывается сразу, как через «Выбор задания».\n"
    "\n"
    "  -h, --help     показать эту справку и выйти\n"
    "  -v, --version  показать версию программы и выйти\n";

} // namespace

QStringList rawArguments(int argc, const char* const* argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

CommandLine readCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(QStringLiteral("file"), QString());

    CommandLine result;
    auto refuse = [&](const QString& problem) {
        result.complaint =
            "trimerka: " + problem.toStdString() + '\n' + kUsage + "Справка: trimerka --help\n";
        result.exitCode = kExitBadCall;
        return result;
    };
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        const QString name = unknown.isEmpty() ? QString() : unknown.first();
        return refuse(name.isEmpty()
                          ? parser.errorText()
                          : QStringLiteral("неизвестный параметр «%1%2»")
                                .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name));
    }
    if (parser.isSet(help)) {
        result.output = std::string(kUsage) + kHelp;
        result.exitCode = kExitDone;
        return result;
    }
    if (parser.isSet(version)) {
        result.output = "Исполнитель «Тримерка», версия " TRIMERKA_VERSION "\n";
        result.exitCode = kExitDone;
        return result;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        return refuse(QStringLiteral("лишний аргумент «%1»: открывается одно задание").arg(files.at(1)));
    }
    if (!files.isEmpty()) {
        // The open dialog hands over full paths; a path typed relative to the current folder becomes one too.
        result.taskFile = QDir::cleanPath(QFileInfo(files.first()).absoluteFilePath());
    }
    return result;
}

} // namespace trimerka
