// The standard program: its version, its icon and its three window designs.
#include "designs/standard/Pictures.h"
#include "designs/standard/StandardBuild.h"

namespace designs::standard {

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

}  // namespace designs::standard
