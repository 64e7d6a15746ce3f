// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/station/AlertSound.h"

#include <QApplication>
#include <canberra.h>

namespace tessaro::app {
namespace {

struct ContextDestroy {
    void operator()(ca_context* context) const { ca_context_destroy(context); }
};
using Context = std::unique_ptr<ca_context, ContextDestroy>;

Context openContext() {
    ca_context* made = nullptr;
    if (ca_context_create(&made) != CA_SUCCESS) {
        return nullptr;
    }
    Context context(made);
    // Through the sound server (PulseAudio, or PipeWire's): straight to ALSA it would fill
    // stderr with complaints about cards on a machine without sound.
    if (ca_context_set_driver(context.get(), "pulse") != CA_SUCCESS) {
        return nullptr;
    }
    ca_context_change_props(context.get(), CA_PROP_APPLICATION_NAME, "Tessaro",
                            CA_PROP_APPLICATION_ID, "io.github.tessaro.Tessaro", nullptr);
    return context;
}

class DesktopAlertSound final : public AlertSound {
  public:
    void unitFailed() override {
        if (!opened_) { // the sound server is reached only when there is something to say
            opened_ = true;
            context_ = openContext();
        }
        // ca_context_play hands the sound to the sound server and returns.
        if (!context_ || ca_context_play(context_.get(), 0, CA_PROP_EVENT_ID, "dialog-error",
                                         CA_PROP_EVENT_DESCRIPTION, "A station unit failed",
                                         nullptr) != CA_SUCCESS) {
            QApplication::beep();
        }
    }

  private:
    bool opened_ = false;
    Context context_;
};

} // namespace

std::unique_ptr<AlertSound> desktopAlertSound() {
    return std::make_unique<DesktopAlertSound>();
}

} // namespace tessaro::app
