#pragma once
// The menu bar of the main window, its entries connected to the window's handlers.

class QAction;

namespace tessaro::app {

class Form1;

class MainMenu {
  public:
    // The entries the window enables and disables later.
    struct Entries {
        QAction* saveparam = nullptr;
        QAction* RecovDefault = nullptr;
    };

    static Entries build(Form1& window);

  private:
    static void buildFile(Form1& window);
    static Entries buildPrinter(Form1& window);
    static void buildMisc(Form1& window);
};

} // namespace tessaro::app
