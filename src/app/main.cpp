#include <QApplication>
#include <QIcon>

#include "app/SorbetaApp.h"
#include "model/shell/AppLanguage.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sorbeta"));
    QApplication::setApplicationDisplayName(QStringLiteral("Sorbeta"));
    QApplication::setOrganizationDomain(QStringLiteral("rovek.com"));
    QApplication::setDesktopFileName(QStringLiteral("com.rovek.sorbeta"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/com.rovek.sorbeta.svg")));
    // The translator goes in before any text (the catalog's included) is built.
    sorbeta::AppLanguage::startUp();
    sorbeta::SorbetaApp sorbeta;
    sorbeta.start();
    return app.exec();
}
