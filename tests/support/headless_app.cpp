#include "support/headless_app.h"

namespace testsupport {

HeadlessApp::HeadlessApp(bool withGameData, int desktopWidth, int desktopHeight,
                         bool mirrorWindow) {
    platform::UseFiles(platform::Files(
        withGameData ? std::filesystem::path(MARCHHOLT_TEST_DATA_DIR) : data_.Path(),
        user_.Path()));
    platform::AppOptions options;
    options.headless = true;
    options.clock = &clock_;
    options.desktopWidth = desktopWidth;
    options.desktopHeight = desktopHeight;
    options.mirrorWindow = mirrorWindow;
    app_ = std::make_unique<platform::Application>(options);
    std::string error;
    app_->Init(error);
    app_->SetTraceSink([this](const std::string& line) { trace_.push_back(line); });
    app_->SetIdleHook([this] { return Idle(); });
}

HeadlessApp::~HeadlessApp() {
    app_.reset();
    platform::UseFiles(platform::Files());
}

void HeadlessApp::ThenWait(int ms) {
    Then([this, ms] { waitUntil_ = clock_.NowMs() + ms; });
}

bool HeadlessApp::Idle() {
    if (waitUntil_ >= 0) {
        if (app_->AdvanceVirtualTime(waitUntil_)) return true;
        waitUntil_ = -1;
    }
    if (steps_.empty()) return false;
    auto step = std::move(steps_.front());
    steps_.pop_front();
    step();
    return true;
}

bool HeadlessApp::Traced(const std::string& fragment) const {
    for (const auto& line : trace_) {
        if (line.find(fragment) != std::string::npos) return true;
    }
    return false;
}

}  // namespace testsupport
