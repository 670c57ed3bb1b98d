#include <QApplication>
#include <QWidget>

#include "model/AppLanguage.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The translator goes in before any interface text is built.
    sorbeta::AppLanguage::startUp();
    app.setLayoutDirection(sorbeta::AppLanguage::layoutDirection());
    QWidget window;
    window.setWindowTitle(QStringLiteral("Sorbeta"));
    window.resize(1280, 820);
    window.show();
    return app.exec();
}
