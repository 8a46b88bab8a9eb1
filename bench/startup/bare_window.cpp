// The floor the program's start-up is measured against: the smallest Qt Widgets program with a main window.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Тримерка"), &window));
    window.resize(714, 480);
    window.show();
    return QApplication::exec();
}
