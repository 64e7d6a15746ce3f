#include "link/SubCom.h"

#include <filesystem>

namespace tessaro::link {

SubCom::SubCom(LinkSettings& settings, SerialControl& serial, ParallelWinIO& parallel,
               tempo& timing, UserFeedback& feedback, const PortMap& ports)
    : settings_(settings), serial_(serial), parallel_(parallel), tempo_(timing),
      feedback_(feedback), ports_(ports) {}

int SubCom::ComPortExists(int n) const {
    const std::string device = ports_.comDevice(n);
    std::error_code ignored;
    return !device.empty() && std::filesystem::exists(device, ignored) ? 1 : 0;
}

std::string SubCom::absentPortReason(bool serial, int n) const {
    const std::string name = (serial ? "COM" : "LPT") + std::to_string(n);
    const std::string device = serial ? ports_.comDevice(n) : ports_.lpt(n).device;
    if (device.empty()) {
        return name + ": no " + (serial ? "serial" : "parallel") + " port has this number";
    }
    return name + " (" + device + "): no such device";
}

std::string SubCom::OpenCom(int port, std::string_view speed, int handshake) {
    if (serial_.portOpen()) {
        return "";
    }
    serial_.setCommPort(port);
    serial_.setSettings(std::string(speed) + ",N,8,1");
    serial_.setHandshaking(handshake);
    std::string failure = serial_.open();
    if (failure.empty()) {
        serial_.setInputLen(100);
    }
    return failure;
}

void SubCom::CloseCom() {
    if (serial_.portOpen()) {
        serial_.close();
    }
}

std::string SubCom::OpenPort(int port, std::string_view speed, int handshake) {
    if (settings_.PortIsSerial) {
        return OpenCom(port, speed, handshake);
    }
    const bool opened = parallel_.OpenLPT(static_cast<std::uint8_t>(port));
    tempo_.Delay(10);
    return opened ? "" : parallel_.OpenFailure;
}

void SubCom::ClosePort(int) {
    if (settings_.PortIsSerial) {
        CloseCom();
    } else {
        parallel_.CloseLPT();
    }
}

void SubCom::SendString(std::string_view command) {
    if (settings_.PortIsSerial) {
        serial_.output(command);
    } else {
        parallel_.CompatibilityWrite(command);
    }
}

std::string SubCom::ReceiveString() {
    if (!settings_.PortIsSerial) {
        return receiveParallelString();
    }
    // Sleeps in the system until the first byte, without handling window events.
    if (serial_.inBufferCount() == 0 && !serial_.waitForInput(kFirstByteTimeoutMs)) {
        return "";
    }
    serial_.setInputMode(0);
    tempo_.Delay(100);
    return serial_.input();
}

std::string SubCom::receiveParallelString() {
    std::string text;
    std::uint8_t b = 0;
    bool ok = true;
    do {
        ok = parallel_.ByteModeRead(b);
        text += static_cast<char>(b);
    } while (ok && b != 0 && text.size() < kMaxParallelReply);
    if (!ok) {
        reportParallelReadError();
    }
    return text;
}

std::uint8_t SubCom::ReceiveByte() {
    if (!settings_.PortIsSerial) {
        std::uint8_t b = 0;
        if (!parallel_.ByteModeRead(b)) {
            reportParallelReadError();
        }
        return b;
    }
    serial_.setInputMode(1);
    tempo_.Delay(50);
    const std::string bytes = serial_.input();
    serial_.setInputMode(0);
    return bytes.empty() ? 0 : static_cast<std::uint8_t>(bytes.front());
}

void SubCom::discardInput() {
    if (settings_.PortIsSerial) {
        serial_.discardInput();
    }
}

void SubCom::reportParallelReadError() {
    const std::string port = "LPT" + std::to_string(settings_.PortNumber);
    feedback_.message(MessageIcon::Critical,
                      port + " : BYTE Mode Error\rPlease check you LPT setup ");
    feedback_.setStatusPanels({"NO Printer on " + port + " :"});
}

} // namespace tessaro::link
