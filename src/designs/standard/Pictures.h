// Resource paths of the standard build's pictures and icons, drawn at build time.
#pragma once

namespace designs::standard::pictures {

// Window backgrounds, 640 x 480: the harbour with the title, without it, and with the hint panel.
inline constexpr const char* setUpBackground = ":/standard/setup-background.png";
inline constexpr const char* practiceBackground = ":/standard/practice-background.png";
inline constexpr const char* hintBackground = ":/standard/hint-background.png";

// Practice window feedback: picCorrect 115 x 115, picWrong 104 x 121.
inline constexpr const char* correct = ":/standard/correct.png";
inline constexpr const char* tryAgain = ":/standard/try-again.png";

// The butterfly, the set-up window's icon.
inline constexpr const char* butterfly48 = ":/standard/butterfly-48.png";
inline constexpr const char* butterfly32 = ":/standard/butterfly-32.png";
inline constexpr const char* butterfly16 = ":/standard/butterfly-16.png";
inline constexpr const char* butterflyIcon[] = {butterfly48, butterfly32, butterfly16};

// The program icon, also that of a window without one of its own: a plain white window with a
// cyan title bar.
inline constexpr const char* windowIcon32 = ":/standard/window-icon-32.png";
inline constexpr const char* windowIcon16 = ":/standard/window-icon-16.png";
inline constexpr const char* defaultWindowIcon[] = {windowIcon32, windowIcon16};

}  // namespace designs::standard::pictures
