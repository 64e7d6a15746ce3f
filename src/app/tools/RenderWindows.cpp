// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the main window with each of its tabs, the About, Help and splash windows, and
// the icons to PNG files, to check the layout by eye.
// Usage: tessaro-render-windows [OUT_DIR]   (default /tmp/tessaro-shots)

#include "app/Form1.h"
#include "app/Helpfrm.h"
#include "app/Icons.h"
#include "app/QtUserFeedback.h"
#include "app/SplashScreen.h"
#include "app/Translations.h"
#include "app/TwoRowTabWidget.h"
#include "app/frmAbout.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QPixmap>
#include <cstdio>

namespace {

// Every slider at the end of its range that gives the longest caption.
void longestCaptions(tessaro::app::Form1& window) {
    namespace ws = tessaro::workspace;
    for (ws::ControlId id = 0; id < ws::controls().size(); ++id) {
        const ws::ControlSpec& control = ws::control(id);
        if (control.kind == ws::ControlKind::Slider) {
            const int end = control.min < 0 ? control.min : control.max;
            window.workspace().setSlider(id, end, ws::ChangeSource::User);
        }
    }
    window.workspace().setContinuousPaper(false);
    window.refresh();
}

bool save(QWidget& widget, const QString& file) {
    widget.show();
    QApplication::processEvents();
    const bool ok = widget.grab().save(file, "PNG");
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(file));
    return ok;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const tessaro::app::Translations translations(QLocale().uiLanguages());
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : "/tmp/tessaro-shots";
    QDir().mkpath(out);
    bool ok = true;
    tessaro::app::Form1 window;
    window.Form_Load();
    auto* tabs = window.findChild<tessaro::app::TwoRowTabWidget*>("SSTab1");
    for (int t = 0; t < tabs->count(); ++t) {
        tabs->setCurrentIndex(t);
        ok = save(window, QStringLiteral("%1/main-tab%2.png").arg(out).arg(t)) && ok;
    }
    window.EnablePrinterCommands(true);
    ok = save(window, out + "/main-printer-ready.png") && ok;
    longestCaptions(window);
    for (int t = 0; t < tabs->count(); ++t) {
        tabs->setCurrentIndex(t);
        ok = save(window, QStringLiteral("%1/main-longest-tab%2.png").arg(out).arg(t)) && ok;
    }
    tessaro::app::frmAbout about;
    ok = save(about, out + "/about.png") && ok;
    tessaro::app::Helpfrm help(QDir::currentPath());
    ok = save(help, out + "/help.png") && ok;
    tessaro::app::SplashScreen splash;
    ok = save(splash, out + "/splash.png") && ok;
    for (const auto& [name, icon] : {std::pair{"send", tessaro::app::Icons::sendToPrinter()},
                                     std::pair{"factory", tessaro::app::Icons::factory()}}) {
        const QString file = QStringLiteral("%1/icon-%2.png").arg(out, name);
        ok = icon.pixmap(128, 128).save(file) && ok;
    }
    ok = tessaro::app::Icons::windowImage(128).save(out + "/icon-window.png") && ok;
    // Leave without the closing question: nothing here is worth saving.
    window.feedback().setDialogRunner([](QMessageBox&) { return QMessageBox::No; });
    window.close();
    return ok ? 0 : 1;
}
