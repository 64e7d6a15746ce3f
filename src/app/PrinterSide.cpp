#include "app/PrinterSide.h"

#include "app/Form1.h"
#include "app/PortSelection.h"
#include "app/QtUserFeedback.h"
#include "sim/PortIOFactory.h"

namespace tessaro::app {
namespace {

// Marks an operation as running for as long as it lasts, whatever way it ends.
class BusyScope {
  public:
    explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
    ~BusyScope() { busy_ = false; }

  private:
    bool& busy_;
};

} // namespace

PrinterSide::PrinterSide(Form1& window, link::PortMap ports)
    : window_(window), ports_(std::move(ports)), serial_(ports_),
      portIO_(sim::makePortIO(ports_, clock_)), parallel_(*portIO_, clock_, window.feedback()),
      timing_(clock_), link_(settings_, serial_, parallel_, timing_, window.feedback(), ports_),
      transmission_(window.workspace(), link_, facts_, window.feedback()),
      commands_(window.workspace(), transmission_, window.feedback()) {}

PrinterSide::~PrinterSide() {
    link_.CloseCom();
}

void PrinterSide::startUp() {
    parallel_.InitDll();
}

void PrinterSide::shutDown() {
    link_.CloseCom();
    parallel_.CloseDll();
}

void PrinterSide::detect() {
    BusyScope scope(busy_);
    PortSelection dialog(link_, *portIO_, ports_, facts_, window_.feedback(), &window_);
    dialog.exec();
}

void PrinterSide::sendModified() {
    BusyScope scope(busy_);
    commands_.SetToPrinterButton_Click();
}

void PrinterSide::recoverFactory() {
    BusyScope scope(busy_);
    commands_.RecoverfactoryButton_Click();
}

} // namespace tessaro::app
