// Holds Qt's messages while the windowing platform starts, and ends the run with one plain
// line when no display can be opened.
#pragma once

// While one of these lives, Qt's messages are held back; a fatal one (Qt gives up when no
// platform plugin can start) prints one line naming the program and ends the run with status 1.
// Once the platform has started, the held messages reach Qt's usual output in their order.
class PlatformStart {
public:
    explicit PlatformStart(const char* programName);
    ~PlatformStart() { started(); }
    // The platform is up: Qt's own output again, the held messages first.
    void started();
    PlatformStart(const PlatformStart&) = delete;
    PlatformStart& operator=(const PlatformStart&) = delete;

private:
    bool holding_ = true;
};
