// Gravilo: potential energy in a gravitational field.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Gravilo"));
    window.resize(718, 642);
    window.show();
    return app.exec();
}
