// The desktop program: the splash screen, which then opens the main window.

#include "app/Form1.h"
#include "app/PrinterSide.h"
#include "app/SplashScreen.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaro"));
    QApplication::setOrganizationName(QStringLiteral("Tessaro"));
    QApplication::setOrganizationDomain(QStringLiteral("tessaro.example.org"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.tessaro.Tessaro"));
    tessaro::app::SplashScreen splash([](tessaro::app::Form1& window) {
        window.setPrinterActions(std::make_unique<tessaro::app::PrinterSide>(
            window, tessaro::link::PortMap::fromSystem()));
    });
    splash.show();
    return QApplication::exec();
}
