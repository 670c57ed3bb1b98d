#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Sorbeta"));
    window.resize(1280, 820);
    window.show();
    return app.exec();
}
