#include <QApplication>

#include "app/SorbetaApp.h"
#include "model/AppLanguage.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sorbeta"));
    QApplication::setApplicationDisplayName(QStringLiteral("Sorbeta"));
    QApplication::setOrganizationDomain(QStringLiteral("rovek.com"));
    // The translator goes in before any text (the catalog's included) is built.
    sorbeta::AppLanguage::startUp();
    sorbeta::SorbetaApp sorbeta;
    sorbeta.start();
    return app.exec();
}
