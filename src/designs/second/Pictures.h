// Resource paths of the second build's pictures and icons, drawn at build time.
#pragma once

namespace designs::second::pictures {

// The rose field with the tulip blocks, 770 x 454: practice and hint window background.
inline constexpr const char* background = ":/second/background.png";
// The title banner, 480 x 118, on all three windows.
inline constexpr const char* banner = ":/second/banner.png";

// Practice window feedback: picCorrect 173 x 119, picWrong 239 x 118.
inline constexpr const char* correct = ":/second/correct.png";
inline constexpr const char* tryAgain = ":/second/try-again.png";

// Divisor buttons, 28 x 30: a straw hat as the picture, the girl wearing it as the down picture.
inline constexpr const char* hatBlue = ":/second/hat-blue.png";      // Option1
inline constexpr const char* girlBlue = ":/second/girl-blue.png";
inline constexpr const char* hatRed = ":/second/hat-red.png";        // Option2
inline constexpr const char* girlRed = ":/second/girl-red.png";
inline constexpr const char* hatYellow = ":/second/hat-yellow.png";  // Option3
inline constexpr const char* girlYellow = ":/second/girl-yellow.png";

// Dividend buttons: one birdhouse each, and the bird as the down picture of all five.
inline constexpr const char* birdhouseHeart = ":/second/birdhouse-heart.png";          // Opt2, 20 x 28
inline constexpr const char* birdhouseRedRoof = ":/second/birdhouse-red-roof.png";     // Opt3, 29 x 28
inline constexpr const char* birdhouseFence = ":/second/birdhouse-fence.png";          // Option4, 30 x 30
inline constexpr const char* birdhouseBlueRoof = ":/second/birdhouse-blue-roof.png";   // Option5, 29 x 28
inline constexpr const char* birdhouseSunflower = ":/second/birdhouse-sunflower.png";  // Option6, 30 x 30
inline constexpr const char* bird = ":/second/bird.png";                               // 20 x 28

// Remainder buttons, 29 x 37: a wreath round a birdhouse, and the flower wreath as the down picture.
inline constexpr const char* wreathTeal = ":/second/wreath-teal.png";      // opoRemainder(0)
inline constexpr const char* wreathPurple = ":/second/wreath-purple.png";  // opoRemainder(1)
inline constexpr const char* wreathFlowers = ":/second/wreath-flowers.png";

// The butterfly: program icon and the practice window's icon.
inline constexpr const char* butterfly48 = ":/second/butterfly-48.png";
inline constexpr const char* butterfly32 = ":/second/butterfly-32.png";
inline constexpr const char* butterfly16 = ":/second/butterfly-16.png";
inline constexpr const char* butterflyIcon[] = {butterfly48, butterfly32, butterfly16};

// The icon of a window without one of its own: a plain white window with a cyan title bar.
inline constexpr const char* windowIcon32 = ":/second/window-icon-32.png";
inline constexpr const char* windowIcon16 = ":/second/window-icon-16.png";
inline constexpr const char* defaultWindowIcon[] = {windowIcon32, windowIcon16};

}  // namespace designs::second::pictures
