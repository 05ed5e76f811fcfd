#include "windows/Handlers.h"

#include <exception>

void runGuarded(Platform& platform, const std::function<void()>& body) {
    try {
        body();
    } catch (const std::exception& error) {
        platform.runTimeError(error.what());
    } catch (...) {
        platform.runTimeError("unknown error");
    }
}
