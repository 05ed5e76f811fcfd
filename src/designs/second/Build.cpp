// The second program: its version, its icon and its three window designs.
#include "designs/second/Pictures.h"
#include "designs/second/SecondBuild.h"

namespace designs::second {

const design::Build& build() {
    static const design::Build designs{
        .version = version,
        .defaultWindowIcon = pictures::defaultWindowIcon,
        .setUp = setUp,
        .practice = practice,
        .hints = hints,
    };
    return designs;
}

}  // namespace designs::second
